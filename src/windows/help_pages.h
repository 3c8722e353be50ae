// The texts of the help window's four pages.
#pragma once

#include <QStringList>

// In the order of the window's buttons.
enum class HelpPage { Geral, Listas, Procurar, Alterar };

// The page's lines, one per memo line; trailing blanks are part of the lines.
const QStringList& helpPage(HelpPage page);
