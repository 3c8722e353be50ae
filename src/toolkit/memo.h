// Memo helpers: the lines the user typed, and the read-only word-wrapped setup.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace tk {

// The typed lines, split at line breaks and not at wrapping. A last empty line (after a final
// line break) is not counted, and an empty memo has none.
QStringList typedLines(const QPlainTextEdit* memo);

// Replaces the memo's text with these lines, one per line.
void setLines(QPlainTextEdit* memo, const QStringList& lines);

// Read-only, wrapping long lines at word boundaries to the memo's width.
void setupReadOnlyMemo(QPlainTextEdit* memo);

}  // namespace tk
