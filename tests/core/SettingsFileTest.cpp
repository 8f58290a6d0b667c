// The settings file: where it lives, values read verbatim, other lines kept when writing.
#include "TestFiles.h"

#include "data/SettingsFile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vak {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::TempDir;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The variable that names the user's configuration folder.
#ifdef _WIN32
constexpr const char* CONFIG_FOLDER_VARIABLE = "APPDATA";
#else
constexpr const char* CONFIG_FOLDER_VARIABLE = "XDG_CONFIG_HOME";
#endif

// Two paths naming the same place, whichever separators they use.
bool SamePath(const std::string& a, const std::string& b)
{
    return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

TEST(SettingsFileTest, PathReplacesTheExtensionOfTheExecutable)
{
    EXPECT_EQ(SettingsPathBesideExecutable("/opt/vak/Vak"), "/opt/vak/Vak.ini");
    EXPECT_EQ(SettingsPathBesideExecutable("/opt/vak/Vak.bin"), "/opt/vak/Vak.ini");
    EXPECT_EQ(SettingsPathBesideExecutable("/opt/vak-2.0/Vak"), "/opt/vak-2.0/Vak.ini");
    EXPECT_EQ(SettingsPathBesideExecutable("D:\\Prog\\VAK.EXE"), "D:\\Prog\\VAK.ini");
}

TEST(SettingsFileTest, UnwritableFolderMovesTheFileToTheUserConfiguration)
{
    TempDir dir;
    const ScopedEnv config(CONFIG_FOLDER_VARIABLE, dir.Path().string().c_str());

    const std::string besideWritable = dir.File("Vak");
    EXPECT_EQ(CSettingsFile::ForExecutable(besideWritable, "Vak").Path(), besideWritable + ".ini");
    EXPECT_FALSE(fs::exists(dir.File("Vak.ini")));  // the check leaves nothing behind

    // A folder that cannot take the file (here: it does not exist) sends it to the user's folder.
    const CSettingsFile settings = CSettingsFile::ForExecutable(dir.File("missing/Vak"), "Vak");
    EXPECT_TRUE(SamePath(settings.Path(), dir.File("Vak/Vak.ini"))) << settings.Path();
    EXPECT_TRUE(settings.WriteProfileStrings(SETTINGS_SECTION, {{KEY_LOAD_PATH, "/data/S.t09"}}));
    EXPECT_EQ(settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), "/data/S.t09");

    // A directory in the place of the file counts as unwritable too.
    fs::create_directory(dir.File("Blocked.ini"));
    EXPECT_TRUE(SamePath(CSettingsFile::ForExecutable(dir.File("Blocked"), "Vak").Path(), dir.File("Vak/Vak.ini")));
}

#ifndef _WIN32
TEST(SettingsFileTest, UserSettingsLiveUnderXdgConfigHomeOrElseUnderDotConfig)
{
    TempDir home;
    const ScopedEnv homeVariable("HOME", home.Path().c_str());
    const std::string dotConfig = home.Path().string() + "/.config/Vak/Vak.ini";
    const std::pair<const char*, std::string> cases[] = {
        {"/srv/config", "/srv/config/Vak/Vak.ini"},
        {nullptr, dotConfig},            // unset
        {"", dotConfig},                 // empty
        {"relative/config", dotConfig},  // not an absolute path
    };
    for (const auto& [config, expected] : cases) {
        const ScopedEnv configVariable("XDG_CONFIG_HOME", config);
        EXPECT_EQ(UserSettingsPath("Vak"), expected) << (config ? config : "unset");
    }
}
#endif

TEST(SettingsFileTest, ValuesAreReadVerbatimWithoutRegardToLetterCaseOfNames)
{
    TempDir dir;
    const std::string path = dir.File("Vak.ini");
    WriteAll(path, "[Other]\r\nPost=wrong\r\n[last]\r\nloadpath = C:\\Data\\Skupina 3.t09 \r\n"
                   "POST=Dvořáková, Marie\r\n");
    const CSettingsFile settings(path);
    EXPECT_EQ(settings.GetProfileString("Last", "LoadPath"), "C:\\Data\\Skupina 3.t09");
    EXPECT_EQ(settings.GetProfileString("Last", "Post"), "Dvořáková, Marie");
    EXPECT_EQ(settings.GetProfileString("Last", "Missing", "default"), "default");
    EXPECT_EQ(CSettingsFile(dir.File("none.ini")).GetProfileString("Last", "Post"), "");
}

TEST(SettingsFileTest, WritingKeepsEveryOtherLineAndWritesEmptyValuesAsKeyEquals)
{
    TempDir dir;
    const std::string path = dir.File("Vak.ini");
    WriteAll(path, "; own notes\n[Last]\nPost=Old\nColour=blue\n\n[Printer]\nName=Laser\n");
    const CSettingsFile settings(path);
    ASSERT_TRUE(settings.WriteProfileStrings("Last", {{"LoadPath", "/d/S.t09"}, {"Post", ""}}));
    EXPECT_EQ(ReadAll(path), "; own notes\n[Last]\nPost=\nColour=blue\nLoadPath=/d/S.t09\n\n[Printer]\nName=Laser\n");

    // A file without the section gets it at its end.
    WriteAll(path, "[Printer]\nName=Laser\n");
    ASSERT_TRUE(settings.WriteProfileStrings("Last", {{"LoadPath", ""}, {"Post", "Novák, Jan"}}));
    EXPECT_EQ(ReadAll(path), "[Printer]\nName=Laser\n[Last]\nLoadPath=\nPost=Novák, Jan\n");
}

TEST(SettingsFileTest, UnwritableFileReportsFailure)
{
    TempDir dir;
    WriteAll(dir.File("plain-file"), "x");
    const CSettingsFile settings(dir.File("plain-file/Vak/Vak.ini"));
    EXPECT_FALSE(settings.WriteProfileStrings("Last", {{"Post", ""}}));
}

} // namespace
} // namespace vak
