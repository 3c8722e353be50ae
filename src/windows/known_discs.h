// "discos.ini" as the windows read it: a file that cannot be read is said once and taken as empty.
#pragma once

#include <optional>

#include "catalogue/disc_register.h"

class QWidget;
namespace tk {
struct Platform;
}

// The discs "discos.ini" (in the current folder, beside the list) knows. A missing file knows
// none. One that cannot be read or is damaged is reported in the error box, unless the same fault
// was reported last, and gives nothing: it is then neither used nor written over, so nothing in it
// is lost while it waits to be mended.
std::optional<mp3::DiscRegister> readKnownDiscs(tk::Platform& platform, QWidget* parent);
