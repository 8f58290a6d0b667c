// Qt's own buttons speak Czech: from Qt's translation where it is installed, from the program's
// own texts where it is not, and in English again once the translation is gone.
#include "app/CzechTranslation.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vak {
namespace {

QStringList YesNoButtonTexts()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vak"), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
}

QString Translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

TEST(CzechTranslationTest, StandardButtonsSpeakCzechWithOrWithoutQtsTranslation)
{
    const QTemporaryDir noTranslations;
    const std::pair<const char*, QString> places[] = {
        {"Qt's translation", CCzechTranslation::QtTranslationsDir()},
        {"no translation installed", noTranslations.path()},
    };
    for (const auto& [name, dir] : places) {
        SCOPED_TRACE(name);
        const CCzechTranslation czech(dir);
        EXPECT_EQ(czech.HasQtTranslation(), dir != noTranslations.path());
        EXPECT_EQ(YesNoButtonTexts(), QStringList({QStringLiteral("&Ano"), QStringLiteral("&Ne")}));
        EXPECT_EQ(Translated("QPlatformTheme", "Cancel"), QStringLiteral("Zrušit"));
        EXPECT_EQ(Translated("QFileDialog", "&Open"), QStringLiteral("&Otevřít"));
        EXPECT_EQ(Translated("QPrintDialog", "&Print"), QStringLiteral("&Tisk"));
    }
    EXPECT_EQ(YesNoButtonTexts(), QStringList({QStringLiteral("&Yes"), QStringLiteral("&No")}));
}

TEST(CzechTranslationTest, QtsTranslationCoversTheDialogsBeyondTheButtons)
{
    const CCzechTranslation czech;
    ASSERT_TRUE(czech.HasQtTranslation()) << "package qt6-translations-l10n is missing";
    EXPECT_EQ(Translated("QFileDialog", "Look in:"), QStringLiteral("Hledat v:"));
}

} // namespace
} // namespace vak
