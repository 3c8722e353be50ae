// The words the windows' artwork shows, which the pictures carry as their accessible names.
#pragma once

#include <QString>

// The words drawn in the artwork at this resource path (":/artwork/title_mp3.jpg" gives "MP3");
// empty for the frames and the decoration, which show none.
QString artworkWords(const QString& resourcePath);
