// The application's style with its stock icons made on first use.
#pragma once

#include <QProxyStyle>

namespace tk {

// Widgets ask the style for stock icons when they are made (a menu bar for its overflow
// button, for one), which decodes the style's pictures at once; through this style each is
// decoded when first drawn. Everything else is the base style's.
class LazyIconStyle : public QProxyStyle {
    Q_OBJECT
  public:
    // Takes `base` over, as QProxyStyle does; nullptr means the platform's default style.
    explicit LazyIconStyle(QStyle* base = nullptr);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tk
