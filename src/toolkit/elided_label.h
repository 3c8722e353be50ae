// A label that never cuts its text off mid-word: what does not fit its box ends in "…".
#pragma once

#include <QLabel>

namespace tk {

// Plain text drawn on one line, or wrapped at words when word wrap is on, with the last line that
// fits ending in "…" when the text is longer than the box. text() stays whole, so screen readers
// read all of it, and the tooltip shows all of it when some is hidden.
class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Whether the box shows less than the whole text.
    bool elided() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    struct Shown;
    // The lines the box shows, each with where it goes.
    Shown layOut() const;
};

}  // namespace tk
