// The desktop integration as installed: the MIME database names group and report files in any
// letter case, and the desktop entry opens group files with Vak but leaves report files alone.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString RunTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

TEST(PackagingTest, MimeTypesNameGroupAndReportFilesInAnyLetterCase)
{
    QTemporaryDir dir;
    const QString mime = dir.filePath(QStringLiteral("share/mime"));
    ASSERT_TRUE(QDir().mkpath(mime + QStringLiteral("/packages")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VAK_SOURCE_DIR "/packaging/vak-mime.xml"),
                            mime + QStringLiteral("/packages/vak.xml")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    ASSERT_EQ(RunTool(QStringLiteral("update-mime-database"), {mime}, environment), QString());

    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("share")));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    const std::pair<const char*, const char*> files[] = {
        {"Skupina3.t09", "application/x-vak-group"},
        {"SKUPINA3.T09", "application/x-vak-group"},
        {"Skupina3.t19", "application/x-vak-report"},
        {"Skupina3.T19", "application/x-vak-report"},
    };
    for (const auto& [name, type] : files) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(816, '\0'));
        file.close();
        EXPECT_EQ(RunTool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path},
                      environment)
                      .toStdString(),
                  type)
            << name;
    }
}

TEST(PackagingTest, DesktopEntryOpensGroupFilesButNotReportFiles)
{
    QFile entry(QStringLiteral(VAK_SOURCE_DIR "/packaging/vak.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=Vak %f")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=vak")));

    // Installed into a desktop of its own, it is the default program of group files only: Vak
    // opens .t09 files, and a report file double-clicked would open the remembered group.
    QTemporaryDir dir;
    const QString applications = dir.filePath(QStringLiteral("share/applications"));
    ASSERT_TRUE(QDir().mkpath(applications));
    ASSERT_TRUE(QFile::copy(entry.fileName(), applications + QStringLiteral("/vak.desktop")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    ASSERT_EQ(RunTool(QStringLiteral("update-desktop-database"), {applications}, environment), QString());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("share")));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), dir.filePath(QStringLiteral("nothing")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir.filePath(QStringLiteral("nothing")));
    environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    environment.remove(QStringLiteral("KDE_FULL_SESSION"));
    const auto defaultFor = [&](const QString& type) {
        return RunTool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type}, environment);
    };
    EXPECT_EQ(defaultFor(QStringLiteral("application/x-vak-group")), QStringLiteral("vak.desktop"));
    EXPECT_EQ(defaultFor(QStringLiteral("application/x-vak-report")), QString());
}

TEST(PackagingTest, InstallPutsStrippedProgramsAndTheDesktopFilesWhereTheReadmeSays)
{
    QTemporaryDir prefix;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString installed = RunTool(QStringLiteral("cmake"),
                                      {QStringLiteral("--install"), QStringLiteral(VAK_BINARY_DIR), QStringLiteral("--prefix"),
                                       prefix.path(), QStringLiteral("--strip")},
                                      environment);
    ASSERT_FALSE(installed.startsWith(QStringLiteral("<failed"))) << installed.toStdString();
    for (const char* file : {"bin/Vak", "bin/vak-cli", "share/applications/vak.desktop", "share/mime/packages/vak.xml",
                             "share/icons/hicolor/16x16/apps/vak.png", "share/icons/hicolor/256x256/apps/vak.png",
                             "share/icons/hicolor/scalable/apps/vak.svg"})
        EXPECT_TRUE(QFile::exists(prefix.filePath(QString::fromLatin1(file)))) << file;
    // Stripped: no symbol table and no debugging sections.
    for (const char* program : {"bin/Vak", "bin/vak-cli"}) {
        const QString sections =
            RunTool(QStringLiteral("readelf"), {QStringLiteral("-S"), prefix.filePath(QString::fromLatin1(program))}, environment);
        EXPECT_TRUE(sections.contains(QStringLiteral(".text"))) << program;
        EXPECT_FALSE(sections.contains(QStringLiteral(".symtab"))) << program;
        EXPECT_FALSE(sections.contains(QStringLiteral(".debug_info"))) << program;
    }
}

} // namespace
