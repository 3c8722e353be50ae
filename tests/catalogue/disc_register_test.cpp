// "discos.ini": lines kept byte for byte, discs found and moved, refusals, damage and failed
// writes.
#include "catalogue/disc_register.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/text_file.h"
#include "support/expect_io_error.h"
#include "support/file_size_limit.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using namespace std::string_literals;
using test::readBytes;
using test::writeBytes;

const DiscIdentity kRock{"ROCK 2003", "2003-05-01-12-00-00-00"};
const DiscIdentity kAcao{"A\xC3\x87\xC3\x83O", "u7"};  // "AÇÃO" in UTF-8

TEST(DiscRegister, FindsAndMovesDiscsKeepingEveryOtherLine) {
    test::ScratchDir dir;
    test::CurrentDir cwd(dir.path());
    const std::string before =
        "; lidos\r\n[geral]\r\nEtiqueta=not a CD\r\n[12]\r\nNotas=x\r\nEtiqueta=ROCK 2003\r\n"
        "UUID=2003-05-01-12-00-00-00\r\n\r\n[012]\r\nUUID=u7\r\n[7]\r\nEtiqueta=A\xC7\xC3O\r\n"
        "UUID=u7\r\nEtiqueta=later\r\n[3]\r\nNotas=y\r\nUUID=old\r\n";
    writeBytes(kDiscRegisterFileName, before);
    DiscRegister discs;
    discs.read();
    discs.write();
    EXPECT_EQ(readBytes(kDiscRegisterFileName), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    EXPECT_EQ(discs.cdOf(kRock), 12);
    EXPECT_EQ(discs.cdOf(kAcao), 7);
    EXPECT_EQ(discs.discOf(7), kAcao);
    for (const DiscIdentity& unknown : {DiscIdentity{}, DiscIdentity{"not a CD", ""},
                                        DiscIdentity{"ROCK 2003", "2004-05-01-12-00-00-00"}})
        EXPECT_EQ(discs.cdOf(unknown), std::nullopt) << unknown.label;
    EXPECT_EQ(discs.discOf(1), std::nullopt);

    discs.remember(13, kRock);
    discs.remember(7, {kAcao.label, "u7b"});
    discs.remember(3, {"NOVO", "new"});
    discs.remember(5, {"\xC5\x90RA", ""});  // "ŐRA": Windows-1252 has no "Ő"
    discs.remember(9, {});
    EXPECT_EQ(discs.cdOf({"\xC5\x90RA", ""}), 5);
    EXPECT_EQ(discs.discOf(5), (DiscIdentity{"?RA", ""}));
    discs.write();
    EXPECT_EQ(
        readBytes(kDiscRegisterFileName),
        "; lidos\r\n[geral]\r\nEtiqueta=not a CD\r\n[12]\r\nNotas=x\r\n\r\n[012]\r\nUUID=u7\r\n"
        "[7]\r\nEtiqueta=A\xC7\xC3O\r\nUUID=u7b\r\n[3]\r\nEtiqueta=NOVO\r\nNotas=y\r\n"
        "UUID=new\r\n[13]\r\nEtiqueta=ROCK 2003\r\nUUID=2003-05-01-12-00-00-00\r\n"
        "[5]\r\nEtiqueta=?RA\r\nUUID=\r\n");
}

TEST(DiscRegister, ReadsLinesAsTheTextFileDoesAndRefusesADamagedFile) {
    test::ScratchDir dir;
    const std::string file = dir.file("discos.ini"), copy = dir.file("copy.ini");
    const struct {
        std::string bytes, written, error;
    } cases[] = {
        {"[1]\rUUID=a", "[1]\r\nUUID=a\r\n", ""},
        {"a\nb\r\n\x1a[1]\r\n[1]\r\n", "a\nb\r\n", ""},
        {"[012]\r\n[012]\r\n[100]\r\n[100]\r\n", "[012]\r\n[012]\r\n[100]\r\n[100]\r\n", ""},
        {"[1]\r\n\r\nx\0y\r\n"s, "",
         "O ficheiro discos.ini est\xE1 danificado: a linha 3 tem um car\xE1"
         "cter nulo"},
        {"[12]\r\nUUID=a\r\n[2]\r\n[13]\r\n[12]\r\n", "",
         "O ficheiro discos.ini est\xE1 danificado: a linha 5 repete a sec\xE7\xE3o [12]"},
        {"", "", ""},
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
    const std::string tooMuch = "que o ficheiro discos.ini n\xE3o pode guardar";
    const struct {
        int cd;
        DiscIdentity disc;
        std::string message;
    } cases[] = {
        {0, kRock, "S\xF3 um CD com um n\xBA de 1 a 99 pode ser lembrado no ficheiro discos.ini"},
        {100, kRock, "S\xF3 um CD com um n\xBA de 1 a 99 pode ser lembrado no ficheiro discos.ini"},
        {1, {"a\r\nb", "u"}, "A etiqueta do disco tem uma quebra de linha, " + tooMuch},
        {1,
         {"a", "u\x1a"},
         "O UUID do disco tem um car\xE1"
         "cter de fim de ficheiro (Ctrl-Z), " +
             tooMuch},
        {1,
         {"a\0b"s, "u"},
         "A etiqueta do disco tem um car\xE1"
         "cter nulo, " +
             tooMuch},
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
    const std::string file = dir.file("discos.ini");
    EXPECT_IO_ERROR(discs.write(dir.file("missing/discos.ini")), 3, "Invalid filename");
    writeBytes(file, "[1]\r\n");
    for (int cd = 1; cd <= 20; ++cd) discs.remember(cd, {"LABEL", std::to_string(cd)});
    const int code = test::runInChild([&] {
        const test::FileSizeLimit full(200);
        try {
            discs.write(file);
        } catch (const EInOutError& e) {
            return e.code();
        }
        return 0;
    });
    EXPECT_EQ(code, 101);
    EXPECT_EQ(readBytes(file), "[1]\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace mp3
