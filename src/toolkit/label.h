// A label that sizes itself to its caption, as the component library's does.
#pragma once

#include <QLabel>

namespace tk {

class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);
    Label(const QString& caption, QWidget* parent);

    // Sets the text and fits the label to it; the top-left corner stays where it is.
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
};

}  // namespace tk
