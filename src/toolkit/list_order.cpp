// The collation of sorted list boxes, kept per thread and remade when the default locale changes.
#include "toolkit/list_order.h"

#include <QCollator>
#include <QLocale>

#include "catalogue/cp1252.h"

namespace tk {
namespace {

struct ThreadCollator {
    QLocale locale{QLocale::c()};
    QCollator collator;
    bool made = false;
};

const QCollator& collator() {
    // QCollator is not safe to share between threads; one per thread costs little.
    thread_local ThreadCollator cached;
    const QLocale current;
    if (!cached.made || current != cached.locale) {
        QLocale collation = current;
        if (collation.language() == QLocale::C) {
            collation = QLocale(QLocale::English, QLocale::UnitedStates);
        }
        cached.collator = QCollator(collation);
        cached.collator.setCaseSensitivity(Qt::CaseInsensitive);
        cached.locale = current;
        cached.made = true;
    }
    return cached.collator;
}

QString fromCp1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(mp3::cp1252::toUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

}  // namespace

int compareAsListed(const QString& a, const QString& b) {
    return collator().compare(a, b);
}

mp3::TextOrder listTextOrder() {
    return [](std::string_view a, std::string_view b) {
        return compareAsListed(fromCp1252(a), fromCp1252(b)) < 0;
    };
}

}  // namespace tk
