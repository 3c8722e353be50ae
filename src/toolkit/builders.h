// The pieces every window is built from: panels, pictures, fields and lists placed from the layout.
#pragma once

#include <QColor>
#include <QRgb>
#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

namespace tk {

class Label;
class ListBox;
class Picture;

// The component library's named colours.
inline constexpr QRgb clBlack = 0xFF000000;
inline constexpr QRgb clWhite = 0xFFFFFFFF;
inline constexpr QRgb clMaroon = 0xFF800000;
inline constexpr QRgb clNavy = 0xFF000080;
inline constexpr QRgb clTeal = 0xFF008080;
inline constexpr QRgb clLime = 0xFF00FF00;

// A box of the 120-ppi layout: left and top relative to the parent, then the size.
struct Box {
    int left;
    int top;
    int width;
    int height;
};

enum class Fit { Natural, Stretch };
enum class Cursor { Arrow, Hand };

// Fills the widget's background with the colour.
void fillBackground(QWidget* widget, QColor colour);
// The colour of the widget's text, in fields and lists as in labels.
void setTextColour(QWidget* widget, QColor colour);

// A panel without bevel or caption, filled with the colour.
QWidget* makePanel(QWidget* parent, const char* name, Box box, QColor colour = clBlack);

// A picture of the embedded artwork; `words` are what it shows, its name for screen readers.
Picture* makePicture(QWidget* parent, const char* name, const QString& resource,
                     const QString& words, Box box, Fit fit, Cursor cursor = Cursor::Arrow);

// A one-line field with no length limit: Qt's default would cut a long paste at 32,767
// characters and the cut text would be saved.
QLineEdit* makeEdit(QWidget* parent, const char* name, Box box);

// An editable combo box whose typed text is what counts: Enter never adds it to the list.
QComboBox* makeEditableCombo(QWidget* parent, const char* name, Box box, const QStringList& items);

// A borderless list box on white, with its text colour and cursor.
ListBox* makeListBox(QWidget* parent, const char* name, Box box, QColor textColour, Cursor cursor);

// A label that sizes itself to its text, placed at its top-left corner.
Label* makeLabel(QWidget* parent, const char* name, int left, int top);

}  // namespace tk
