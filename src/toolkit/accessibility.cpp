// The accessible interfaces of pictures and labels, and the factory that hands them to Qt.
#include "toolkit/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "toolkit/label.h"
#include "toolkit/picture.h"

namespace tk {
namespace {

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

void addRelation(Relations& relations, QWidget* other, QAccessible::Relation relation) {
    if (other == nullptr) return;
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(other)) {
        relations.append({iface, relation});
    }
}

// What a label shows: with a buddy, "&" marks the mnemonic and is not drawn, "&&" draws one "&".
QString shownText(const QLabel* label) {
    const QString text = label->text();
    if (label->buddy() == nullptr) return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && ++i == text.size()) break;
        shown += text.at(i);
    }
    return shown;
}

// A picture is a button when it is pressable and a graphic otherwise; its accessible name is
// the words it shows, and decorative pictures have none.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(Picture* picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override {
        return picture()->pressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    Relations relations(QAccessible::Relation match) const override {
        Relations relations = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled) {
            addRelation(relations, picture()->captionFor(), QAccessible::Labelled);
        }
        return relations;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (canPress()) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (!canPress()) return;
        // The same signal a click emits, so the press runs the click's handler and its wrapper;
        // emitted from the event loop, as a click is, so the assistive technology has its answer
        // before a handler opens a modal box (it would wait on it otherwise, and give up).
        Picture* target = picture();
        QMetaObject::invokeMethod(
            target,
            [target] {
                if (canPress(target)) emit target->clicked();
            },
            Qt::QueuedConnection);
    }

  private:
    Picture* picture() const { return static_cast<Picture*>(widget()); }

    bool canPress() const { return canPress(picture()); }
    // A click reaches only a picture that is shown and enabled (not while a child window holds
    // its window disabled, for one); a press is held to the same.
    static bool canPress(const Picture* p) {
        return p->pressable() && p->isVisible() && p->isEnabled();
    }
};

// A label's text stays its name, as Qt's own labels have it, and it names the picture that
// captions it and the buddy it captions.
class LabelAccessible : public QAccessibleWidget {
  public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return shownText(label());
        }
        return QAccessibleWidget::text(t);
    }

    Relations relations(QAccessible::Relation match) const override {
        Relations relations = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label) {
            addRelation(relations, label()->captionedBy(), QAccessible::Label);
        }
        if (match & QAccessible::Labelled) {
            addRelation(relations, label()->buddy(), QAccessible::Labelled);
        }
        return relations;
    }

  private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

QAccessibleInterface* toolkitInterface(const QString& className, QObject* object) {
    // Asked once per class from the most derived up; only our own classes are answered, so
    // everything else keeps Qt's interfaces.
    if (className == QLatin1String(Picture::staticMetaObject.className())) {
        if (auto* picture = qobject_cast<Picture*>(object)) return new PictureAccessible(picture);
    } else if (className == QLatin1String(Label::staticMetaObject.className())) {
        if (auto* label = qobject_cast<Label*>(object)) return new LabelAccessible(label);
    }
    return nullptr;
}

}  // namespace

void installAccessibleFactory() {
    // Installing twice is a no-op; after the application ends Qt forgets it, and the next
    // picture or label made installs it again.
    QAccessible::installFactory(toolkitInterface);
}

void relateCaption(Picture* caption, Label* value) {
    caption->setCaptionFor(value);
    value->setCaptionedBy(caption);
}

}  // namespace tk
