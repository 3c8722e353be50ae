// A picture box: a JPEG stretched to the box or at natural size from its top-left corner.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace tk {

// Where the picture does not cover the box, the parent's background shows.
class Picture : public QWidget {
    Q_OBJECT
  public:
    explicit Picture(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    // The picture shown; artwork is decoded here the first time it is needed.
    const QImage& image() const;

    // Shows the resource, decoded by our JPEG decoder when first painted or asked for: windows
    // made hidden, and never shown, decode nothing. One that cannot be decoded leaves the box
    // empty.
    void setArtwork(const QString& resourcePath);

    void setStretch(bool stretch);
    bool stretch() const { return stretch_; }

    void setHandCursor(bool hand);

    // A pressable picture is a button to assistive technologies, and their press emits clicked()
    // as a click does. Set where a handler is connected to clicked().
    void setPressable(bool pressable) { pressable_ = pressable; }
    bool pressable() const { return pressable_; }

    // The widget this picture's words caption, for assistive technologies (see relateCaption).
    void setCaptionFor(QWidget* target) { captionFor_ = target; }
    QWidget* captionFor() const { return captionFor_; }

  signals:
    // A left button released inside the box.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    mutable QImage image_;
    mutable QString artwork_;  // still to be decoded into image_
    QPixmap pixmap_;
    bool stretch_ = false;
    bool pressable_ = false;
    QPointer<QWidget> captionFor_;
};

}  // namespace tk
