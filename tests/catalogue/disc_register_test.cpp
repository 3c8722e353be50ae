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
        "UUID=2003-05-01-12-00-00-00\r\n\r\n[012]\r\n[7]\r\nEtiqueta=A\xC7\xC3O\r\nUUID=u7\r\n"
        "Etiqueta=later\r\n[3]\r\nNotas=y\r\nUUID=old\r\n";
    writeBytes(kDiscRegisterFileName, before);
    DiscRegister discs;
    discs.read();
    discs.write();
    EXPECT_EQ(readBytes(kDiscRegisterFileName), before);

    const DiscIdentity acao{"A\xC3\x87\xC3\x83O", "u7"};  // "AÇÃO" in UTF-8
    EXPECT_EQ(discs.cdOf(kRock), 12);
    EXPECT_EQ(discs.cdOf(acao), 7);
    EXPECT_EQ(discs.discOf(7), acao);
    // Another burn with the same label, and what other sections hold, are no disc of ours.
    EXPECT_EQ(discs.cdOf({"ROCK 2003", "2004-05-01-12-00-00-00"}), std::nullopt);
    EXPECT_EQ(discs.cdOf({"not a CD", ""}), std::nullopt);
    EXPECT_EQ(discs.discOf(1), std::nullopt);

    discs.remember(13, kRock);
    discs.remember(7, {acao.label, "u7b"});
    discs.remember(3, {"NOVO", "new"});
    discs.remember(5, {"\xC5\x90RA", ""});  // Windows-1252 has no "Ő"
    discs.remember(9, {});
    EXPECT_EQ(discs.cdOf({"\xC5\x90RA", ""}), 5);
    EXPECT_EQ(discs.cdOf({}), std::nullopt);  // [12] is left with no disc
    discs.write();
    EXPECT_EQ(readBytes(kDiscRegisterFileName),
              "; lidos\r\n[geral]\r\nEtiqueta=not a CD\r\n[12]\r\nNotas=x\r\n\r\n[012]\r\n[7]\r\n"
              "Etiqueta=A\xC7\xC3O\r\nUUID=u7b\r\n[3]\r\nEtiqueta=NOVO\r\nNotas=y\r\nUUID=new\r\n"
              "[13]\r\nEtiqueta=ROCK 2003\r\nUUID=2003-05-01-12-00-00-00\r\n"
              "[5]\r\nEtiqueta=?RA\r\nUUID=\r\n");
}

TEST(DiscRegister, ReadsLinesAsTheTextFileDoesAndRefusesADamagedFile) {
    test::ScratchDir dir;
    const std::string file = dir.file("discos.ini"), copy = dir.file("copy.ini");
    const std::string damaged = "O ficheiro discos.ini est\xE1 danificado: a linha ";
    const struct {
        std::string bytes, written, error;
    } cases[] = {
        {"[1]\rUUID=a", "[1]\r\nUUID=a\r\n", ""},
        {"a\nb\r\n\x1a[1]\r\n[1]\r\n", "a\nb\r\n", ""},
        {"[012]\r\n[012]\r\n[100]\r\n[100]\r\n", "[012]\r\n[012]\r\n[100]\r\n[100]\r\n", ""},
        {"[1]\r\n\r\nx\0y\r\n"s, "", damaged + "3 tem um car\341cter nulo"},
        {"[12]\r\n[2]\r\n[13]\r\n[12]\r\n", "", damaged + "4 repete a sec\xE7\xE3o [12]"},
    };
    DiscRegister discs;  // one for all: what a case reads must not outlive it
    for (const auto& c : cases) {
        writeBytes(file, c.bytes);
        try {
            discs.read(file);
            EXPECT_EQ(c.error, "") << c.bytes;
        } catch (const EInputRefused& e) {
            EXPECT_EQ(e.what(), c.error);
        }
        discs.write(copy);
        EXPECT_EQ(readBytes(copy), c.written) << c.bytes;
    }
    std::filesystem::remove(file);
    discs.remember(1, kRock);
    discs.read(file);
    EXPECT_EQ(discs.discOf(1), std::nullopt);
    std::filesystem::create_directory(file);
    EXPECT_IO_ERROR(discs.read(file), 5, "File access denied");
}

TEST(DiscRegister, RefusesWhatItCannotStoreAndAFailedWriteLeavesTheOldFile) {
    const std::string cannot = ", que o ficheiro discos.ini n\xE3o pode guardar";
    const std::string number =
        "S\xF3 um CD com um n\xBA de 1 a 99 pode ser lembrado no ficheiro discos.ini";
    const struct {
        int cd;
        DiscIdentity disc;
        std::string message;
    } cases[] = {
        {0, kRock, number},
        {100, kRock, number},
        {1, {"a\r\nb", "u"}, "A etiqueta do disco tem uma quebra de linha" + cannot},
        {1,
         {"a", "u\x1a"},
         "O UUID do disco tem um car\341cter de fim de ficheiro (Ctrl-Z)" + cannot},
        {1, {"a\0b"s, "u"}, "A etiqueta do disco tem um car\341cter nulo" + cannot},
    };
    DiscRegister discs;
    for (const auto& c : cases) {
        try {
            discs.remember(c.cd, c.disc);
            ADD_FAILURE() << "no refusal for " << c.message;
        } catch (const EInputRefused& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
    EXPECT_EQ(discs.discOf(1), std::nullopt);

    test::ScratchDir dir;
    EXPECT_IO_ERROR(discs.write(dir.file("missing/discos.ini")), 3, "Invalid filename");
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
