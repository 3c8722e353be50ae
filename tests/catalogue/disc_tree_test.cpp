// Listing real folder trees, and a disc read into a real list file and played back from it.
#include "catalogue/disc_tree.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <set>

#include "catalogue/catalogue.h"
#include "catalogue/config_file.h"
#include "catalogue/cp1252.h"
#include "catalogue/disc_reader.h"
#include "catalogue/player.h"
#include "catalogue/record_writer.h"
#include "catalogue/text_file.h"
#include "support/catalogue.h"
#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

namespace fs = std::filesystem;

// Paths ending in "/" are made as folders, the others as files holding their own name.
void make(const std::string& root, const std::vector<std::string>& paths) {
    for (const std::string& p : paths) {
        if (p.back() == '/') {
            fs::create_directories(root + "/" + p);
        } else {
            fs::create_directories(fs::path(root + "/" + p).parent_path());
            test::writeBytes(root + "/" + p, p);
        }
    }
}

// The listing on one line: folders end in "/", unreadable folders in "!".
std::string shown(const DiscListing& listing) {
    std::string out;
    for (const DiscEntry& e : listing.entries) {
        out += (out.empty() ? "" : " ") + e.path;
        if (e.kind != DiscEntryKind::File) out += e.kind == DiscEntryKind::Folder ? "/" : "!";
    }
    return out;
}

class DiscTree : public ::testing::Test {
  protected:
    test::ScratchDir dir_;
    std::string root_ = dir_.file("cd");
};

TEST_F(DiscTree, FoldersAndFilesDepthFirstInByteOrder) {
    make(root_, {"b.mp3", "a.txt", "Z/", "Z/z.mp3", "A/", "A/2.mp3", "A/1.mp3", "A/Sub/",
                 "A/Sub/s.mp3", "Empty/", "\xc3\xa9/", "\xc3\xa9/x.mp3"});
    ASSERT_EQ(::mkfifo((root_ + "/pipe").c_str(), 0644), 0);
    const DiscListing listing = listDiscTree(root_);
    EXPECT_FALSE(listing.cancelled);
    EXPECT_EQ(shown(listing),
              "a.txt b.mp3 A/ A/1.mp3 A/2.mp3 A/Sub/ A/Sub/s.mp3 Empty/ Z/ Z/z.mp3 \xc3\xa9/ "
              "\xc3\xa9/x.mp3");
}

TEST_F(DiscTree, LinksToFoldersAreNotFollowed) {
    make(root_, {"A/", "A/song.mp3"});
    fs::create_directory_symlink("..", root_ + "/A/up");
    fs::create_directory_symlink(".", root_ + "/A/self");
    fs::create_directory_symlink(root_ + "/A", root_ + "/ToA");
    fs::create_symlink("A/song.mp3", root_ + "/linked.mp3");
    fs::create_symlink("nowhere.mp3", root_ + "/dangling.mp3");
    EXPECT_EQ(shown(listDiscTree(root_)), "linked.mp3 A/ A/song.mp3");
}

// A folder mounted inside itself, in a mount namespace of the child's own so nothing outside
// sees it: the walk stops at the loop instead of going round it.
TEST_F(DiscTree, AFolderThatContainsItselfIsNotWalkedTwice) {
    make(root_, {"A/", "A/back/", "A/a.mp3"});
    constexpr int kCannotMount = 20;
    const int status = test::runInChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(root_.c_str(), (root_ + "/A/back").c_str(), nullptr, MS_BIND, nullptr) != 0) {
            return kCannotMount;
        }
        const DiscListing listing = listDiscTree(root_);
        if (shown(listing) != "A/ A/a.mp3 A/back!") return 10;
        return listing.entries[2].error == ELOOP ? 0 : 11;
    });
    if (status == kCannotMount) GTEST_SKIP() << "no right to mount here";
    EXPECT_EQ(status, 0);
}

// Root reads anything, so the walk runs as an unprivileged user in a child.
TEST_F(DiscTree, WhatCannotBeReadIsListedAndTheRestIsRead) {
    make(root_, {"Locked/", "Locked/x.mp3", "Open/", "Open/n.mp3", "Open/o.mp3", "z.mp3"});
    ::chmod(dir_.path().c_str(), 0755);
    ::chmod((root_ + "/Locked").c_str(), 0);
    ::chmod((root_ + "/Open/n.mp3").c_str(), 0);
    const int status = test::runUnprivileged([&] {
        const DiscListing listing = listDiscTree(root_);
        if (shown(listing) != "z.mp3 Locked! Open/ Open/n.mp3! Open/o.mp3") return 10;
        if (listing.entries[1].error != EACCES) return 11;
        if (listing.entries[3].kind != DiscEntryKind::UnreadableFile) return 14;
        if (listing.entries[3].error != EACCES) return 15;
        try {
            listDiscTree(root_ + "/Locked");
            return 12;
        } catch (const EInOutError& e) {
            return e.code() == 5 && std::string(e.what()) == "File access denied" ? 0 : 13;
        }
    });
    ::chmod((root_ + "/Locked").c_str(), 0755);
    EXPECT_EQ(status, 0);
}

TEST_F(DiscTree, ARootThatCannotBeOpenedRaises) {
    make(root_, {"file.mp3"});
    EXPECT_IO_ERROR(listDiscTree(dir_.file("missing")), 2, "File not found");
    EXPECT_IO_ERROR(listDiscTree(dir_.file("missing/cd")), 3, "Invalid filename");
    EXPECT_IO_ERROR(listDiscTree(root_ + "/file.mp3"), 3, "Invalid filename");
}

TEST_F(DiscTree, ProgressAfterEachFolderAndCancel) {
    make(root_, {"r.mp3", "A/", "A/a.mp3", "B/", "B/b1.mp3", "B/b2.mp3", "C/"});
    std::vector<std::size_t> seen;
    const DiscListing whole = listDiscTree(root_, [&](std::size_t n) {
        seen.push_back(n);
        return true;
    });
    // The root, then A, B and C.
    EXPECT_EQ(seen, (std::vector<std::size_t>{1, 3, 6, 7}));
    EXPECT_EQ(whole.entries.size(), 7u);
    EXPECT_FALSE(whole.cancelled);

    std::size_t calls = 0;
    const DiscListing stopped = listDiscTree(root_, [&](std::size_t) { return ++calls < 2; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(calls, 2u);
    EXPECT_EQ(shown(stopped), "r.mp3 A/ A/a.mp3");
}

class DiscRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        make(root_, {"Canção.mp3", "b.mp3", "Ő.mp3", "UP.MP3", "docs/", "docs/readme.txt",
                     "Rock/1 - Um.mp3", "Rock/2 - Dois.mp3", "Rock/Live/ao vivo.mp3",
                     "Fado Português/Ó Gente.mp3", "Empty/"});
        test::writeBytes(name_, kEarlier);
        list_.assign(name_);
    }

    Catalogue load() { return test::loadedFrom(list_); }

    // Reads the disc as CD 3, and saves what the list as it stands at the save lacks.
    DiscPreview readAndSave() {
        DiscPreview preview = readDisc(listDiscTree(root_));
        appendComposed(list_, [&](const Catalogue& now) {
            compareWithList(preview, now, "3");
            return composeDisc(preview);
        });
        return preview;
    }

    static constexpr const char* kEarlier = "5  Elsewhere\r\n/3  Rock\r\n1 - Um\r\n/\r\n";
    test::ScratchDir dir_;
    std::string root_ = dir_.file("cd");
    std::string name_ = dir_.file("lista.txt");
    TextFile list_;
};

TEST_F(DiscRoundTrip, TheListHoldsTheDiscAndEveryRecordPlaysBack) {
    const DiscPreview preview = readAndSave();
    ASSERT_EQ(preview.refusals.size(), 2u);
    EXPECT_EQ(test::readBytes(name_), std::string(kEarlier) +
                                          "3  Can\xe7\xe3o\r\n3  b\r\n"
                                          "/3  Fado Portugu\xeas\r\n\xd3 Gente\r\n/\r\n"
                                          "/3  Rock\r\n2 - Dois\r\n/\r\n"
                                          "/3  Rock/Live\r\nao vivo\r\n/\r\n");

    // CD 3's records, albums of one header taken together, are the disc's records, and each
    // names a file on the disc (the path converted to the locale's encoding, UTF-8 here).
    const Catalogue cat = load();
    std::multiset<std::string> listed, read;
    auto play = [&](std::optional<std::string> header, std::string_view text) {
        listed.insert(header.value_or("") + "|" + std::string(text));
        const PlayerStart start =
            playerStart({"/usr/bin/true", root_}, {"3 ", header, std::string(text)});
        EXPECT_TRUE(fs::is_regular_file(cp1252::toUtf16(start.arguments.at(0))))
            << start.arguments[0];
    };
    for (std::size_t k = 1; k <= cat.looseCount(); ++k) {
        if (cat.MP3_NumCD(k) == "3 ") play(std::nullopt, cat.MP3_Isolados(k));
    }
    for (std::size_t a = 1; a <= cat.albumCount(); ++a) {
        ASSERT_EQ(cat.CD_NumCD(a), "3 ");
        for (std::size_t s = 2; s <= cat.CD_NumEntradas(a); ++s) {
            play(std::string(cat.CD_Conteudo(a, 1)), cat.CD_Conteudo(a, s));
        }
    }
    for (const DiscText& e : preview.loose) read.insert("|" + e.text);
    for (const DiscAlbum& album : preview.albums) {
        for (const DiscText& t : album.tracks) read.insert(album.header + "|" + t.text);
    }
    EXPECT_EQ(listed, read);
    EXPECT_EQ(listed.size(), 6u);
}

TEST_F(DiscRoundTrip, ReadingAgainAddsOnlyWhatTheDiscGained) {
    readAndSave();
    const std::string once = test::readBytes(name_);
    const DiscPreview again = readAndSave();
    EXPECT_TRUE(again.nothingNew());
    EXPECT_EQ(test::readBytes(name_), once);

    make(root_, {"Rock/3 - Três.mp3"});
    const DiscPreview grown = readAndSave();
    EXPECT_EQ(grown.newTrackCount(), 1u);
    EXPECT_EQ(test::readBytes(name_), once + "/3  Rock\r\n3 - Tr\xeas\r\n/\r\n");
    EXPECT_TRUE(readAndSave().nothingNew());
}

}  // namespace
}  // namespace mp3
