// A label that sizes itself to its caption, as the component library's does.
#pragma once

#include <QLabel>
#include <QPointer>

namespace tk {

class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);
    Label(const QString& caption, QWidget* parent);

    // Sets the text and fits the label to it; the top-left corner stays where it is.
    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    // The widget (a picture, say) whose words caption this label's value, for assistive
    // technologies (see relateCaption); the label's own text stays its name.
    void setCaptionedBy(QWidget* caption) { captionedBy_ = caption; }
    QWidget* captionedBy() const { return captionedBy_; }

  private:
    QPointer<QWidget> captionedBy_;
};

}  // namespace tk
