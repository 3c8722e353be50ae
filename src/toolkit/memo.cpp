// Lines of a memo as typed.
#include "toolkit/memo.h"

#include <QTextDocument>
#include <QTextOption>

namespace tk {

QStringList typedLines(const QPlainTextEdit* memo) {
    // The raw text keeps what the user typed (a no-break space stays one); paragraph and line
    // separators are the breaks the user made.
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void setLines(QPlainTextEdit* memo, const QStringList& lines) {
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void setupReadOnlyMemo(QPlainTextEdit* memo) {
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

}  // namespace tk
