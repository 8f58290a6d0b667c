// vak-cli as a script uses it: JSON dump, save, exit status and messages.
#include "CliRun.h"
#include "TestFiles.h"
#include "fixtures/GroupBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

namespace vak {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ReadText;
using test::RunCli;
using test::CliRun;
using test::TempDir;
using test::WriteBytes;

// A two-publisher group 200 with a note, a late mark and odd characters in the texts.
std::string MakeGroup(const TempDir& dir)
{
    fixtures::GroupBuilder group;
    group.Group(200).Month(10).SecretaryMail("tajemnik@example.cz");
    group.AddPublisher({.firstName = "Jiří", .surname = "Dvořák \"Jura\"", .phones = {"603\t111", "", ""}})
        .Report(10, 1, {.hours = 12, .studies = 3, .quarters = 8, .participation = true})
        .Late(9);
    group.AddPublisher({}).Note(10, 0, "0");
    group.RawPublisherByte(2, 2, 0x81);  // a first name undefined in Windows-1250
    const std::string path = dir.File("g.t09");
    group.WriteTo(path);
    return path;
}

TEST(Cli, DumpPrintsTheGroupAsJson)
{
    TempDir dir;
    const std::string path = MakeGroup(dir);
    const CliRun run = RunCli("dump '" + path + "'", dir.File("err"));
    EXPECT_EQ(run.status, 0);
    const std::string& json = run.out;
    for (const char* expected : {
             "\"group\":200", "\"month\":10", "\"publishers_count\":2", "\"notes_count\":1",
             "\"secretary\":\"tajemnik@example.cz\"", "\"first_name\":\"Jiří\"",
             "\"surname\":\"Dvořák \\\"Jura\\\"\"", "\"list_name\":\"Dvořák \\\"Jura\\\", Jiří\"",
             "\"phones\":[\"603\\u0009111\",\"\",\"\"]", "\"first_name\":\"\\u0081\"",
             "\"hours\":12", "\"studies\":3", "\"quarters\":8", "\"participation\":true",
             "\"note_number\":1", "\"note\":\"0\"", "\"notes\":[\"0\"]",
             "\"late\":[false,false,false,false,false,false,false,false,false,true,false,false]"}) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
    }
}

TEST(Cli, SaveRewritesTheFileAsTheProgramDoes)
{
    TempDir dir;
    const std::string path = MakeGroup(dir);
    EXPECT_EQ(RunCli("save '" + path + "' '" + dir.File("out.t19") + "'", dir.File("err")).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("out.t19")), ReadBytes(path));
}

TEST(Cli, ExitStatusAndReasonForEachFailure)
{
    TempDir dir;
    const std::string path = MakeGroup(dir);
    const std::string err = dir.File("err");

    EXPECT_EQ(RunCli("", err).status, 1);
    EXPECT_EQ(RunCli("dump", err).status, 1);
    EXPECT_EQ(RunCli("frobnicate x", err).status, 1);
    EXPECT_NE(ReadText(err).find("unknown command"), std::string::npos);
    // Help wherever it is asked for; an option given twice is wrong usage.
    for (const char* args : {"--help", "dump --help", "save -h x", "sheet g.t09 --help"}) {
        const CliRun help = RunCli(args, err);
        EXPECT_EQ(help.status, 0) << args;
        EXPECT_NE(help.out.find("Exit status"), std::string::npos) << args;
    }
    for (const char* option : {"--pdf", "--month", "--date"}) {
        const std::string twice = std::string(" ") + option + (option[2] == 'p' ? " a.pdf" : option[2] == 'm' ? " 3" : " 2026-01-01");
        EXPECT_EQ(RunCli("sheet g.t09 --pdf a.pdf" + twice + twice, err).status, 1) << option;
        EXPECT_EQ(ReadText(err).substr(0, ReadText(err).find('\n')), std::string("vak-cli: ") + option + " is given twice.");
    }

    // Each input that cannot be read gives exit status 2 and the system's reason, at once.
    ASSERT_EQ(::mkfifo(dir.File("fifo.t09").c_str(), 0666), 0);
    const std::pair<std::string, std::string> unreadable[] = {
        {dir.File("none.t09"), "No such file or directory"},
        {dir.Path().string(), "Is a directory"},
        {dir.File("fifo.t09"), "Not a regular file"},
    };
    for (const auto& [input, reason] : unreadable) {
        SCOPED_TRACE(input);
        EXPECT_EQ(RunCli("dump '" + input + "'", err).status, 2);
        EXPECT_EQ(ReadText(err), "vak-cli: cannot read " + input + ": " + reason + ".\n");
    }

    auto bytes = ReadBytes(path);
    bytes[180] = 200;  // publisher count
    WriteBytes(dir.File("bad.t09"), bytes);
    EXPECT_EQ(RunCli("dump '" + dir.File("bad.t09") + "'", err).status, 2);
    EXPECT_EQ(ReadText(err), "vak-cli: Soubor " + dir.File("bad.t09") + " není platný seznam skupiny a nebude načten.\n");

    // A refused output says why in one plain line, without the window's advice.
    WriteBytes(dir.File("ro.t19"), {1, 2, 3});
    fs::permissions(dir.File("ro.t19"), fs::perms(0444));
    const std::pair<std::string, std::string> unwritable[] = {
        {dir.File("missing/out.t19"), "No such file or directory"},
        {dir.File("ro.t19"), "Permission denied"},
    };
    for (const auto& [output, reason] : unwritable) {
        EXPECT_EQ(RunCli("save '" + path + "' '" + output + "'", err).status, 3);
        EXPECT_EQ(ReadText(err), "vak-cli: cannot write " + output + ": " + reason + ".\n");
    }
    EXPECT_EQ(RunCli("dump '" + path + "' >/dev/full", err).status, 3);
    EXPECT_EQ(ReadText(err), "vak-cli: cannot write to standard output: No space left on device.\n");

    // Nothing to save is a problem of the input.
    WriteBytes(dir.File("empty.t09"), {});
    EXPECT_EQ(RunCli("save '" + dir.File("empty.t09") + "' '" + dir.File("o.t19") + "'", err).status, 2);
    EXPECT_NE(ReadText(err).find("holds no publishers"), std::string::npos);

    bytes = ReadBytes(path);
    bytes[180] = 1;
    bytes.resize(816 * 2);
    WriteBytes(dir.File("one.t09"), bytes);
    EXPECT_EQ(RunCli("save '" + dir.File("one.t09") + "' '" + dir.File("o.t19") + "'", err).status, 3);
    EXPECT_EQ(ReadText(err), "vak-cli: cannot write " + dir.File("o.t19") + ": " + dir.File("one.t09") +
                                 " holds one publisher, and a group of fewer than 2 is not saved.\n");

    // A file too short for its records is not an error.
    bytes = ReadBytes(path);
    bytes.resize(816 + 10);
    WriteBytes(dir.File("short.t09"), bytes);
    EXPECT_EQ(RunCli("dump '" + dir.File("short.t09") + "'", err).status, 0);
}

TEST(Cli, FileSizeLimitGivesAFailedWriteAndLeavesNothingBehind)
{
    TempDir dir;
    const std::string path = MakeGroup(dir);
    fs::create_directory(dir.File("out"));
    // 1 block of 512 bytes: the 2,496-byte group does not fit.
    const CliRun run = RunCli("save '" + path + "' '" + dir.File("out/g.t19") + "'", dir.File("err"), "ulimit -f 1; ");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(ReadText(dir.File("err")).find("File too large"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir.File("out")));
}

} // namespace
} // namespace vak
