// The program's command line: an optional list file, --help and --version.
#pragma once

#include <QString>

// What the command line asks for. Answers --help, --version and mistakes itself (on the
// terminal, before any window: no display is needed) and ends the process there; otherwise gives
// the list file named, as a full name, or an empty text to ask for one.
QString listFileFromCommandLine(int argc, char** argv);
