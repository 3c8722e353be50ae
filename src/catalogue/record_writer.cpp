// Composing and appending the records of one save.
#include "record_writer.h"

#include "cd_number.h"
#include "runtime_error.h"
#include "text_file.h"

namespace mp3 {
namespace {

void checkText(std::string_view text, FieldName field) {
    if (text.find(TextFile::kCtrlZ) != std::string_view::npos) {
        throw EInputRefused(describeField(field) +
                            " tem um car\xE1"
                            "cter de fim de ficheiro (Ctrl-Z), que a lista n\xE3o pode guardar");
    }
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        throw EInputRefused(
            describeField(field) +
            " tem uma quebra de linha, que a lista n\xE3o pode guardar numa s\xF3 linha");
    }
}

}  // namespace

std::string describeField(FieldName field) {
    if (field.where == FieldName::kArtist) return "O campo \"Nome do Artista\"";
    if (field.where == FieldName::kTitle) return "O campo \"Nome do \xC1lbum\"";
    return "A linha " + std::to_string(field.where);
}

std::string composeRecords(const NewRecords& records) {
    std::string out;
    if (records.mode == EntryMode::Mp3) {
        if (records.lines.empty()) return out;
        const std::string cd = cdFieldFor(records.cdText);
        for (std::size_t i = 0; i < records.lines.size(); ++i) {
            checkText(records.lines[i], FieldName{static_cast<int>(i + 1)});
            out += cd + " " + records.lines[i] + "\r\n";
        }
        return out;
    }
    const std::string cd = cdFieldFor(records.cdText);
    checkText(records.artist, FieldName{FieldName::kArtist});
    checkText(records.title, FieldName{FieldName::kTitle});
    out += "/" + cd + " " + records.artist + " - " + records.title + "\r\n";
    for (std::size_t i = 0; i < records.lines.size(); ++i) {
        const FieldName field{static_cast<int>(i + 1)};
        checkText(records.lines[i], field);
        if (records.lines[i] == "/") {
            throw EInputRefused(describeField(field) +
                                " \xE9 s\xF3 \"/\", que a lista leria como o fim do \xE1lbum");
        }
        out += records.lines[i] + "\r\n";
    }
    out += "/\r\n";
    return out;
}

void appendRecords(TextFile& list, const NewRecords& records) {
    list.append();
    try {
        std::string bytes = composeRecords(records);
        // A last line left without its end (a save cut short, a file edited by hand) would
        // otherwise run into the first record written now.
        if (!bytes.empty() && !list.endedWithLineEnd()) bytes.insert(0, "\r\n");
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
