// Composing and appending the records of one save.
#include "record_writer.h"

#include "catalogue.h"
#include "cd_number.h"
#include "storable.h"
#include "text_file.h"
#include "translation.h"

namespace mp3 {

std::string describeField(FieldName field) {
    if (field.where == FieldName::kArtist) return msg("Entry", "O campo \"Nome do Artista\"");
    if (field.where == FieldName::kTitle) return msg("Entry", "O campo \"Nome do Álbum\"");
    return substitute(msg("Entry", "A linha %1"), {std::to_string(field.where)});
}

std::string composeRecords(const NewRecords& records) {
    std::string out;
    if (records.mode == EntryMode::Mp3) {
        if (records.lines.empty()) return out;
        const std::string cd = cdFieldFor(records.cdText);
        for (std::size_t i = 0; i < records.lines.size(); ++i) {
            requireStorable(records.lines[i], Store::ListFile,
                            describeField(FieldName{static_cast<int>(i + 1)}));
            out += cd + " " + records.lines[i] + "\r\n";
        }
        return out;
    }
    const std::string cd = cdFieldFor(records.cdText);
    requireStorable(records.artist, Store::ListFile, describeField(FieldName{FieldName::kArtist}));
    requireStorable(records.title, Store::ListFile, describeField(FieldName{FieldName::kTitle}));
    out += "/" + cd + " " + records.artist + " - " + records.title + "\r\n";
    for (std::size_t i = 0; i < records.lines.size(); ++i) {
        requireStorable(records.lines[i], Store::ListFile,
                        describeField(FieldName{static_cast<int>(i + 1)}), TextRole::AlbumTrack);
        out += records.lines[i] + "\r\n";
    }
    out += "/\r\n";
    return out;
}

void appendRecords(TextFile& list, const NewRecords& records) {
    appendComposed(list, [&records](const Catalogue&) { return composeRecords(records); });
}

void appendComposed(TextFile& list,
                    const std::function<std::string(const Catalogue& now)>& compose) {
    list.append();
    try {
        // Read while the lock is held: no other copy of the program can append meanwhile.
        Catalogue now;
        TextFile reader(list.name());
        now.load(reader);
        std::string bytes = compose(now);
        if (!bytes.empty()) {
            // A last line left without its end (a save cut short, a file edited by hand) would
            // run into the first record, and an album left open would take them all as tracks.
            std::string closing;
            if (!list.endedWithLineEnd()) closing += "\r\n";
            if (now.endsInsideAlbum()) closing += "/\r\n";
            bytes.insert(0, closing);
        }
        list.write(bytes);
        // Written out while the lock is held, so a failure is cut back before anyone appends.
        list.writeOutBuffer();
        list.close();
    } catch (...) {
        list.discardFrom(list.sizeAtOpen());
        throw;
    }
}

}  // namespace mp3
