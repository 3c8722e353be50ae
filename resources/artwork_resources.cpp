// Gives the mp3_artwork library a source of its own; the pictures arrive through the resource
// object library.
