// An icon made the first time Qt needs its pictures, for icons a window may never show.
#pragma once

#include <QIcon>
#include <functional>

namespace tk {

// `make` runs at most once, when the icon (or a copy) is first drawn or asked for its sizes;
// until then the icon costs nothing and counts as not null.
QIcon lazyIcon(std::function<QIcon()> make);

}  // namespace tk
