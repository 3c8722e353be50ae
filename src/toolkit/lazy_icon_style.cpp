// Stock icons of the base style, wrapped so that they are made when first drawn.
#include "toolkit/lazy_icon_style.h"

#include <QPointer>
#include <QWidget>

#include "toolkit/lazy_icon.h"

namespace tk {

LazyIconStyle::LazyIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon LazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const {
    // An option lives only for this call; an icon asked for with one is made now.
    if (option != nullptr) return QProxyStyle::standardIcon(icon, option, widget);
    const QPointer<QStyle> base = baseStyle();
    const QPointer<QWidget> owner = const_cast<QWidget*>(widget);
    const bool hadWidget = widget != nullptr;
    return lazyIcon([base, owner, hadWidget, icon] {
        if (base.isNull() || (hadWidget && owner.isNull())) return QIcon();
        return base->standardIcon(icon, nullptr, owner);
    });
}

}  // namespace tk
