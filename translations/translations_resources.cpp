// Gives the mp3_translations library a source of its own; the compiled translations arrive
// through the resource object library.
