// "discos.ini": lines kept byte for byte, discs found and moved, refusals, damage, failed writes.
#include "catalogue/disc_register.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/expect_io_error.h"
#include "support/file_size_limit.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using namespace std::string_literals;
using test::readBytes;
using test::writeBytes;

const DiscIdentity kRock{"ROCK 2003", "2003-05-01-12-00-00-00"};

TEST(DiscRegister, FindsAndMovesDiscsKeepingEveryOtherLine) {
    test::ScratchDir dir;
    test::CurrentDir cwd(dir.path());
    const std::string before =
        "; lidos\r\n[geral]\r\nEtiqueta=not a CD\r\n[12]\r\nNotas=x\r\nEtiqueta=ROCK 2003\r\n"
        "UUID=2003-05-01-12-00-00-00\r\n\r\n[012]\r\n[7]\r\nEtiqueta=A\xC7\xC3O\r\nUUID=u7\r\n";
    writeBytes(kDiscRegisterFileName, before);
    DiscRegister discs;
    discs.read();
    discs.write();
    EXPECT_EQ(readBytes(kDiscRegisterFileName), before);

    const DiscIdentity acao{"A\xC3\x87\xC3\x83O", "u7"};  // "AÇÃO" in UTF-8
    EXPECT_EQ(discs.cdOf(kRock), 12);
    EXPECT_EQ(discs.discOf(7), acao);
    // Another burn with the same label, and what other sections hold, are no disc of ours.
    EXPECT_EQ(discs.cdOf({"ROCK 2003", "2004-05-01-12-00-00-00"}), std::nullopt);
    EXPECT_EQ(discs.cdOf({"not a CD", ""}), std::nullopt);

    discs.remember(13, kRock);
    discs.remember(7, {acao.label, "u7b"});
    discs.remember(5, {"\xC5\x90RA", ""});  // Windows-1252 has no "Ő"
    EXPECT_EQ(discs.cdOf({"\xC5\x90RA", ""}), 5);
    discs.write();
    EXPECT_EQ(readBytes(kDiscRegisterFileName),
              "; lidos\r\n[geral]\r\nEtiqueta=not a CD\r\n[12]\r\nNotas=x\r\n\r\n[012]\r\n[7]\r\n"
              "Etiqueta=A\xC7\xC3O\r\nUUID=u7b\r\n[13]\r\nEtiqueta=ROCK 2003\r\n"
              "UUID=2003-05-01-12-00-00-00\r\n[5]\r\nEtiqueta=?RA\r\nUUID=\r\n");
}

TEST(DiscRegister, ADamagedOrUnreadableFileIsRefusedAndLeftEmpty) {
    test::ScratchDir dir;
    const std::string file = dir.file("discos.ini");
    const std::string damaged = "O ficheiro discos.ini est\xE1 danificado: a linha ";
    const std::pair<std::string, std::string> cases[] = {
        {"[1]\r\n\r\nx\0y\r\n"s, damaged + "3 tem um car\341cter nulo"},
        {"[12]\r\n[2]\r\n[13]\r\n[12]\r\n", damaged + "4 repete a sec\xE7\xE3o [12]"},
    };
    DiscRegister discs;
    for (const auto& [bytes, error] : cases) {
        writeBytes(file, bytes);
        try {
            discs.read(file);
            ADD_FAILURE() << "no refusal for " << error;
        } catch (const EInputRefused& e) {
            EXPECT_EQ(e.what(), error);
        }
        EXPECT_EQ(discs.discOf(12), std::nullopt);
    }
    std::filesystem::remove(file);
    discs.read(file);  // a missing file is an empty register
    std::filesystem::create_directory(file);
    EXPECT_IO_ERROR(discs.read(file), 5, "File access denied");
}

TEST(DiscRegister, RefusesWhatItCannotStoreAndAFailedWriteLeavesTheOldFile) {
    DiscRegister discs;
    const std::pair<int, DiscIdentity> refused[] = {{100, kRock}, {1, {"a\r\nb", "u"}}};
    for (const auto& [cd, disc] : refused) EXPECT_THROW(discs.remember(cd, disc), EInputRefused);
    EXPECT_EQ(discs.discOf(1), std::nullopt);

    test::ScratchDir dir;
    const std::string file = dir.file("discos.ini");
    writeBytes(file, "[1]\r\n");
    for (int cd = 1; cd <= 20; ++cd) discs.remember(cd, {"LABEL", std::to_string(cd)});
    const auto writeOnAFullDisk = [&] {
        const test::FileSizeLimit full(200);
        try {
            discs.write(file);
        } catch (const EInOutError& e) {
            return e.code();
        }
        return 0;
    };
    EXPECT_EQ(test::runInChild(writeOnAFullDisk), 101);
    EXPECT_EQ(readBytes(file), "[1]\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace mp3
