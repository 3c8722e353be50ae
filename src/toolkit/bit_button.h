// Buttons with a stock glyph and an accelerated caption.
#pragma once

#include <QPushButton>

#include "toolkit/builders.h"

namespace tk {

enum class BitKind { Ok, Cancel, Yes, Retry };

// A push button showing the style's glyph for the kind and the caption ("&" marks the
// accelerator), placed in the layout's box.
QPushButton* makeBitButton(QWidget* parent, const char* name, BitKind kind, const QString& caption,
                           Box box);

// Gives an existing button the glyph of a kind.
void setBitGlyph(QPushButton* button, BitKind kind);

}  // namespace tk
