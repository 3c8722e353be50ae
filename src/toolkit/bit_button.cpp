// Stock glyphs from the style for the buttons.
#include "toolkit/bit_button.h"

#include <QPointer>
#include <QStyle>

#include "toolkit/form.h"
#include "toolkit/lazy_icon.h"

namespace tk {

namespace {

QStyle::StandardPixmap glyphOf(BitKind kind) {
    switch (kind) {
        case BitKind::Ok:
            return QStyle::SP_DialogOkButton;
        case BitKind::Cancel:
            return QStyle::SP_DialogCancelButton;
        case BitKind::Yes:
            return QStyle::SP_DialogYesButton;
        case BitKind::Retry:
            return QStyle::SP_BrowserReload;
    }
    return QStyle::SP_DialogOkButton;
}

}  // namespace

void setBitGlyph(QPushButton* button, BitKind kind) {
    // The style's pictures are decoded when the button is first painted, not when it is made.
    const QPointer<QPushButton> owner = button;
    button->setIcon(tk::lazyIcon([owner, kind] {
        return owner ? owner->style()->standardIcon(glyphOf(kind), nullptr, owner) : QIcon();
    }));
}

QPushButton* makeBitButton(QWidget* parent, const char* name, BitKind kind, const QString& caption,
                           Box box) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    setBitGlyph(button, kind);
    Form::place(button, box);
    return button;
}

}  // namespace tk
