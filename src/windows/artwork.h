// The windows' artwork: the words each picture shows, and pictures made from it.
#pragma once

#include <QString>

#include "toolkit/builders.h"

namespace tk {
class Picture;
}

// The words drawn in the artwork at this resource path (":/artwork/title_mp3.jpg" gives "MP3");
// empty for the frames and the decoration, which show none.
QString artworkWords(const QString& resourcePath);

// A picture of the artwork named `artwork` ("title_mp3"), its words its name for screen readers.
tk::Picture* artworkPicture(QWidget* parent, const char* name, const char* artwork, tk::Box box,
                            tk::Fit fit, tk::Cursor cursor = tk::Cursor::Arrow);
