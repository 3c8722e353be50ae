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
    // An empty caption shows nothing and needs no font: measuring it would load the font's
    // face, which the windows' empty CD numbers would do at every start for nothing.
    if (caption.isEmpty()) {
        resize(0, height());
        return;
    }
    adjustSize();
}

}  // namespace tk
