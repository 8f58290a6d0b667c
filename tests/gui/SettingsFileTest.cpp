// The settings file: where it lives, values read verbatim, other lines kept when writing.
#include "data/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace vak {
namespace {

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

// A path with "/" between its names, as Qt writes it.
QString Slashed(const std::string& path)
{
    return QDir::fromNativeSeparators(QString::fromStdString(path));
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
    QTemporaryDir dir;
    const QByteArray saved = qgetenv(CONFIG_FOLDER_VARIABLE);
    qputenv(CONFIG_FOLDER_VARIABLE, dir.path().toUtf8());

    const std::string besideWritable = dir.filePath("Vak").toStdString();
    EXPECT_EQ(CSettingsFile::ForExecutable(besideWritable, "Vak").Path(), besideWritable + ".ini");
    EXPECT_FALSE(QFile::exists(dir.filePath("Vak.ini")));  // the check leaves nothing behind

    // A folder that cannot take the file (here: it does not exist) sends it to the user's folder.
    const CSettingsFile settings = CSettingsFile::ForExecutable(dir.filePath("missing/Vak").toStdString(), "Vak");
    EXPECT_EQ(Slashed(settings.Path()), dir.filePath("Vak/Vak.ini"));
    EXPECT_TRUE(settings.WriteProfileStrings(SETTINGS_SECTION, {{KEY_LOAD_PATH, "/data/S.t09"}}));
    EXPECT_EQ(settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), "/data/S.t09");

    // A directory in the place of the file counts as unwritable too.
    QDir(dir.path()).mkdir("Blocked.ini");
    EXPECT_EQ(Slashed(CSettingsFile::ForExecutable(dir.filePath("Blocked").toStdString(), "Vak").Path()),
              dir.filePath("Vak/Vak.ini"));
    qputenv(CONFIG_FOLDER_VARIABLE, saved);
}

#ifndef _WIN32
TEST(SettingsFileTest, UserSettingsLiveUnderXdgConfigHomeOrElseUnderDotConfig)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    const std::string dotConfig = home.path().toStdString() + "/.config/Vak/Vak.ini";
    const std::pair<const char*, std::string> cases[] = {
        {"/srv/config", "/srv/config/Vak/Vak.ini"},
        {nullptr, dotConfig},            // unset
        {"", dotConfig},                 // empty
        {"relative/config", dotConfig},  // not an absolute path
    };
    for (const auto& [config, expected] : cases) {
        if (config)
            qputenv("XDG_CONFIG_HOME", config);
        else
            qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(UserSettingsPath("Vak"), expected) << (config ? config : "unset");
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}
#endif

TEST(SettingsFileTest, ValuesAreReadVerbatimWithoutRegardToLetterCaseOfNames)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Vak.ini").toStdString();
    WriteAll(path, "[Other]\r\nPost=wrong\r\n[last]\r\nloadpath = C:\\Data\\Skupina 3.t09 \r\n"
                   "POST=Dvořáková, Marie\r\n");
    const CSettingsFile settings(path);
    EXPECT_EQ(settings.GetProfileString("Last", "LoadPath"), "C:\\Data\\Skupina 3.t09");
    EXPECT_EQ(settings.GetProfileString("Last", "Post"), "Dvořáková, Marie");
    EXPECT_EQ(settings.GetProfileString("Last", "Missing", "default"), "default");
    EXPECT_EQ(CSettingsFile(dir.filePath("none.ini").toStdString()).GetProfileString("Last", "Post"), "");
}

TEST(SettingsFileTest, WritingKeepsEveryOtherLineAndWritesEmptyValuesAsKeyEquals)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Vak.ini").toStdString();
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
    QTemporaryDir dir;
    WriteAll(dir.filePath("plain-file").toStdString(), "x");
    const CSettingsFile settings(dir.filePath("plain-file/Vak/Vak.ini").toStdString());
    EXPECT_FALSE(settings.WriteProfileStrings("Last", {{"Post", ""}}));
}

} // namespace
} // namespace vak
