// Scaling of layout pixels and fonts from 120 ppi to the screen.
#include "toolkit/scaling.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tk {

namespace {

int pinnedDensity = 0;

QStringList fallbackFamilies(const QString& family) {
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0) {
        return {family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                QStringLiteral("Sans Serif")};
    }
    if (family.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0) {
        return {family, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                QStringLiteral("Serif")};
    }
    return {family};
}

// The first installed family of the fallbacks, alone: given more than one family, Qt asks
// fontconfig at once for every fallback of the first (a sort of all the fonts on the system),
// which it otherwise does only for a character the font lacks. Without a running application
// nothing can say what is installed, and the whole list is given.
QStringList installedFamily(const QString& family) {
    static QHash<QString, QStringList> known;
    if (auto found = known.constFind(family); found != known.constEnd()) return *found;
    QStringList families = fallbackFamilies(family);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return families;
    // The installed families by name: QFontDatabase::hasFamily would first run fontconfig's
    // substitution rules on the name, which costs as much as what this saves.
    const QStringList installed = QFontDatabase::families();
    for (const QString& f : families) {
        if (installed.contains(f, Qt::CaseInsensitive)) {
            families = QStringList{f};
            break;
        }
    }
    known.insert(family, families);
    return families;
}

}  // namespace

int screenDensity() {
    if (pinnedDensity > 0) return pinnedDensity;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const int ppi = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
            if (ppi > 0) return ppi;
        }
    }
    return 96;  // the usual density when no screen can say
}

void setLayoutDensityForTests(double ppi) {
    pinnedDensity = ppi > 0 ? static_cast<int>(std::lround(ppi)) : 0;
}

int scaled(int layoutPixels) {
    // Integer arithmetic, rounding halves away from zero, so layouts come out the same everywhere.
    const long long twice = 2LL * layoutPixels * screenDensity();
    const long long half = twice >= 0 ? kLayoutDensity : -kLayoutDensity;
    return static_cast<int>((twice + half) / (2LL * kLayoutDensity));
}

QFont layoutFont(const QString& family, int pixelHeight, bool bold, bool italic) {
    QFont font;
    font.setFamilies(installedFamily(family));
    font.setStyleHint(family.contains(QLatin1String("Times"), Qt::CaseInsensitive)
                          ? QFont::Serif
                          : QFont::SansSerif);
    font.setPixelSize(std::max(1, scaled(pixelHeight)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace tk
