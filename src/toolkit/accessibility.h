// What assistive technologies see of the toolkit's pictures and labels, and captions between them.
#pragma once

namespace tk {

class Label;
class Picture;

// Makes Qt describe pictures (a button when pressable, otherwise a graphic) and labels (their
// text as the name, with the picture that captions them) through the interfaces of this unit.
// Pictures and labels call it when they are made, before anything can ask about them.
void installAccessibleFactory();

// `caption` is the picture whose words caption `value`: both report the relation, and the label
// keeps its text as its name, so a screen reader reads the caption and then the value.
void relateCaption(Picture* caption, Label* value);

}  // namespace tk
