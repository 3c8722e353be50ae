// Self-sizing label.
#include "toolkit/label.h"

#include "toolkit/accessibility.h"

namespace tk {

Label::Label(QWidget* parent) : QLabel(parent) {
    installAccessibleFactory();
    setTextFormat(Qt::PlainText);
}

Label::Label(const QString& caption, QWidget* parent) : Label(parent) {
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    setText(caption);
    adjustSize();
}

}  // namespace tk
