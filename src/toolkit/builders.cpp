// Making and placing the windows' pieces.
#include "toolkit/builders.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <limits>

#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/picture.h"
#include "toolkit/scaling.h"

namespace tk {

void fillBackground(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QWidget* makePanel(QWidget* parent, const char* name, Box box, QColor colour) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    fillBackground(panel, colour);
    Form::place(panel, box);
    return panel;
}

Picture* makePicture(QWidget* parent, const char* name, const QString& resource,
                     const QString& words, Box box, Fit fit, Cursor cursor) {
    auto* picture = new Picture(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setArtwork(resource);
    picture->setAccessibleName(words);
    picture->setStretch(fit == Fit::Stretch);
    picture->setHandCursor(cursor == Cursor::Hand);
    Form::place(picture, box);
    return picture;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, Box box) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(std::numeric_limits<int>::max());
    Form::place(edit, box);
    return edit;
}

QComboBox* makeEditableCombo(QWidget* parent, const char* name, Box box, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    combo->addItems(items);
    Form::place(combo, box);
    return combo;
}

ListBox* makeListBox(QWidget* parent, const char* name, Box box, QColor textColour, Cursor cursor) {
    auto* list = new ListBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 13));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, textColour);
    list->setPalette(palette);
    list->setHandCursor(cursor == Cursor::Hand);
    Form::place(list, box);
    return list;
}

Label* makeLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = new Label(parent);
    label->setObjectName(QLatin1String(name));
    label->move(scaled(left), scaled(top));
    return label;
}

}  // namespace tk
