// Reading, querying, changing and atomically writing "discos.ini".
#include "disc_register.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include "cp1252.h"
#include "runtime_error.h"
#include "storable.h"
#include "text_file.h"
#include "translation.h"

namespace mp3 {
namespace {

constexpr int kFirstCd = 1;
constexpr int kLastCd = 99;
const std::string kLabelKey = "Etiqueta=";
const std::string kUuidKey = "UUID=";

bool startsWith(std::string_view line, std::string_view key) {
    return line.substr(0, key.size()) == key;
}

bool isSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// n for a line that is exactly "[n]", n plain decimal 1..99; nothing for any other line.
std::optional<int> cdOfHeader(std::string_view line) {
    if (!isSectionHeader(line)) return std::nullopt;
    const std::string_view digits = line.substr(1, line.size() - 2);
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') return std::nullopt;
    int cd = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        cd = cd * 10 + (c - '0');
    }
    return cd;
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// `why` holds the file's name as %1 and the line's number as %2, and may hold more.
[[noreturn]] void damaged(const std::string& why, const std::string& path, std::size_t line,
                          std::string_view more = {}) {
    throw EInputRefused(substitute(why, {fileNameOf(path), std::to_string(line), more}));
}

// A NUL would read back as a damaged file; the shared check leaves it to the file at hand.
void requireStorableValue(const std::string& bytes, const std::string& subject) {
    requireStorable(bytes, Store::DiscRegister, subject);
    if (bytes.find('\0') != std::string::npos) {
        throw EInputRefused(
            subject + " " +
            msg("DiscRegister",
                "tem um carácter nulo, que o ficheiro discos.ini não pode guardar"));
    }
}

// The identity as the file holds it.
DiscIdentity inFile(const DiscIdentity& disc) {
    return {cp1252::fromUtf8(disc.label), cp1252::fromUtf8(disc.uuid)};
}

}  // namespace

void DiscRegister::read(const std::string& path) {
    lines_.clear();
    TextFile file(path);
    try {
        file.reset();
    } catch (const EInOutError& e) {
        if (e.code() == static_cast<int>(IoCode::kFileNotFound)) return;
        throw;
    }
    std::vector<std::string> lines;
    while (!file.eof()) lines.push_back(file.readLine());
    file.close();

    bool seen[kLastCd + 1] = {};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('\0') != std::string::npos) {
            damaged(msg("DiscRegister",
                        "O ficheiro %1 está danificado: a linha %2 tem um carácter nulo"),
                    path, i + 1);
        }
        if (const auto cd = cdOfHeader(lines[i])) {
            if (seen[*cd]) {
                damaged(msg("DiscRegister",
                            "O ficheiro %1 está danificado: a linha %2 repete a secção %3"),
                        path, i + 1, lines[i]);
            }
            seen[*cd] = true;
        }
    }
    lines_ = std::move(lines);
}

std::vector<DiscRegister::Section> DiscRegister::sections() const {
    std::vector<Section> found;
    std::optional<Section> open;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!isSectionHeader(lines_[i])) continue;
        if (open) found.push_back({open->cd, open->header, i});
        open.reset();
        if (const auto cd = cdOfHeader(lines_[i])) open = Section{*cd, i, 0};
    }
    if (open) found.push_back({open->cd, open->header, lines_.size()});
    return found;
}

std::optional<DiscRegister::Section> DiscRegister::sectionOf(int cd) const {
    for (const Section& section : sections()) {
        if (section.cd == cd) return section;
    }
    return std::nullopt;
}

DiscIdentity DiscRegister::storedIn(const Section& section) const {
    std::optional<std::string> label, uuid;
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
        const std::string& line = lines_[i];
        if (!label && startsWith(line, kLabelKey)) label = line.substr(kLabelKey.size());
        if (!uuid && startsWith(line, kUuidKey)) uuid = line.substr(kUuidKey.size());
    }
    return {label.value_or(""), uuid.value_or("")};
}

std::optional<int> DiscRegister::cdOf(const DiscIdentity& disc) const {
    if (disc.empty()) return std::nullopt;
    const DiscIdentity wanted = inFile(disc);
    for (const Section& section : sections()) {
        if (storedIn(section) == wanted) return section.cd;
    }
    return std::nullopt;
}

std::optional<DiscIdentity> DiscRegister::discOf(int cd) const {
    const auto section = sectionOf(cd);
    if (!section) return std::nullopt;
    const DiscIdentity stored = storedIn(*section);
    if (stored.empty()) return std::nullopt;
    return DiscIdentity{cp1252::toUtf8(stored.label), cp1252::toUtf8(stored.uuid)};
}

std::size_t DiscRegister::setKey(Section& section, const std::string& key, const std::string& value,
                                 std::size_t after) {
    std::optional<std::size_t> first;
    for (std::size_t i = section.header + 1; i < section.end;) {
        if (!startsWith(lines_[i], key)) {
            ++i;
        } else if (!first) {
            first = i;
            lines_[i] = key + value;
            ++i;
        } else {
            // A later line would say something else to whoever reads the file by hand.
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
            --section.end;
        }
    }
    if (first) return *first;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), key + value);
    ++section.end;
    return after + 1;
}

void DiscRegister::eraseKeys(const Section& section) {
    const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(section.header + 1);
    const auto end = lines_.begin() + static_cast<std::ptrdiff_t>(section.end);
    lines_.erase(std::remove_if(begin, end,
                                [](const std::string& line) {
                                    return startsWith(line, kLabelKey) ||
                                           startsWith(line, kUuidKey);
                                }),
                 end);
}

void DiscRegister::remember(int cd, const DiscIdentity& disc) {
    if (cd < kFirstCd || cd > kLastCd) {
        throw EInputRefused(msg("DiscRegister",
                                "Só um CD com um nº de 1 a 99 pode ser lembrado no ficheiro "
                                "discos.ini"));
    }
    if (disc.empty()) return;
    const DiscIdentity stored = inFile(disc);
    requireStorableValue(stored.label, msg("DiscRegister", "A etiqueta do disco"));
    requireStorableValue(stored.uuid, msg("DiscRegister", "O UUID do disco"));

    // From the last section back, so that taking lines out leaves the earlier ones in place.
    const std::vector<Section> all = sections();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->cd != cd && storedIn(*it) == stored) eraseKeys(*it);
    }
    auto section = sectionOf(cd);
    if (!section) {
        lines_.push_back("[" + std::to_string(cd) + "]");
        section = Section{cd, lines_.size() - 1, lines_.size()};
    }
    const std::size_t labelAt = setKey(*section, kLabelKey, stored.label, section->header);
    setKey(*section, kUuidKey, stored.uuid, labelAt);
}

void DiscRegister::write(const std::string& path) const {
    const std::string temporary = path + "." + std::to_string(::getpid()) + ".tmp";
    TextFile writer(temporary);
    try {
        writer.rewrite();
        for (const std::string& line : lines_) writer.writeLine(line);
        writer.close();
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            throw EInOutError(ioCodeForErrno(errno, path, true));
        }
    } catch (...) {
        writer.discardFrom(0);
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace mp3
