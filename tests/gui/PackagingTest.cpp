// The desktop integration as installed: the MIME database names group and report files in any
// letter case, and the desktop entry opens them with Vak.
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

TEST(PackagingTest, DesktopEntryOpensBothFileTypesWithVak)
{
    QFile entry(QStringLiteral(VAK_SOURCE_DIR "/packaging/vak.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=Vak %f")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=vak")));
    EXPECT_TRUE(lines.contains(QStringLiteral("MimeType=application/x-vak-group;application/x-vak-report;")));
}

} // namespace
