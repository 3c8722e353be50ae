// "discos.ini": which CD number each disc read so far is, known by its label and UUID.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "disc_identity.h"

namespace mp3 {

inline constexpr char kDiscRegisterFileName[] = "discos.ini";

// The file beside the list file and "config.ini", in Windows-1252 with CR LF line ends, one
// section per CD number:
//     [12]
//     Etiqueta=ROCK 2003
//     UUID=2003-05-01-12-00-00-00
// A CD's section starts at a line that is exactly "[n]", n in plain decimal 1..99, and runs to
// the next line in brackets; in it the first line starting "Etiqueta=" and the first starting
// "UUID=" give the disc. Every other line (comments, blanks, other keys, other sections) is kept
// as it was. The file is damaged when a line holds a NUL byte, or a CD's section comes twice.
class DiscRegister {
  public:
    // Reads the file. A missing file is an empty register. Raises EInOutError when it cannot be
    // read, and EInputRefused naming "discos.ini" (and the line, from 1) when it is damaged; the
    // register is then left empty.
    void read(const std::string& path = kDiscRegisterFileName);

    // Which CD number (1..99) the disc is; nothing for an empty identity or an unknown disc.
    std::optional<int> cdOf(const DiscIdentity& disc) const;

    // The disc remembered as CD n; nothing when none.
    std::optional<DiscIdentity> discOf(int cd) const;

    // Remembers the disc as CD n: section [n] gets Etiqueta and UUID (its other lines kept, the
    // section added at the end when new); the same identity under another number is taken out
    // of that section (its other lines kept). An empty identity is nothing to remember. A number
    // outside 1..99, or a label or UUID with a line break, a Ctrl-Z or a NUL, is refused with
    // EInputRefused before anything changes.
    void remember(int cd, const DiscIdentity& disc);

    // Writes the file whole and atomically, as "config.ini" is: a temporary file in the same
    // folder, then a rename; on failure the old file stays and the temporary is removed.
    // Every line and section it does not know is written back as it was read.
    void write(const std::string& path = kDiscRegisterFileName) const;

  private:
    // A CD number's section: its header line and the lines up to the next section.
    struct Section {
        int cd;
        std::size_t header;
        std::size_t end;
    };
    std::vector<Section> sections() const;
    std::optional<Section> sectionOf(int cd) const;
    // The stored label and UUID of a section, in Windows-1252.
    DiscIdentity storedIn(const Section& section) const;
    // Sets the first line of `key` in the section (inserted after `after` when there is none)
    // and drops later ones; gives the line where it stands.
    std::size_t setKey(Section& section, const std::string& key, const std::string& value,
                       std::size_t after);
    void eraseKeys(const Section& section);

    std::vector<std::string> lines_;  // as read, without their line ends
};

}  // namespace mp3
