// Buttons with a stock glyph and an accelerated caption.
#pragma once

#include <QPushButton>

namespace tk {

enum class BitKind { Ok, Cancel, Yes, Retry };

// A push button showing the style's glyph for the kind and the caption ("&" marks the
// accelerator).
QPushButton* makeBitButton(BitKind kind, const QString& caption, QWidget* parent);

// Gives an existing button the glyph of a kind.
void setBitGlyph(QPushButton* button, BitKind kind);

}  // namespace tk
