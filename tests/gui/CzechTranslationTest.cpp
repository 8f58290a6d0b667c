// Qt's own buttons speak Czech, from Qt's translation or, where it is missing, from ours.
#include "ui/CzechTranslation.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vak {
namespace {

QStringList ButtonTexts()
{
    QStringList texts;
    for (const char* text : {"&Yes", "&No", "Cancel"})
        texts << QCoreApplication::translate("QPlatformTheme", text);
    return texts << QCoreApplication::translate("QFileDialog", "&Open") << QCoreApplication::translate("QPrintDialog", "&Print");
}

TEST(CzechTranslationTest, ButtonsSpeakCzechWithOrWithoutQtsTranslation)
{
    const QTemporaryDir noTranslations;
    for (const QString& dir : {CCzechTranslation::QtTranslationsDir(), noTranslations.path()}) {
        const CCzechTranslation czech(dir);
        EXPECT_EQ(czech.HasQtTranslation(), dir != noTranslations.path()) << "qt6-translations-l10n installed?";
        EXPECT_EQ(ButtonTexts(), QStringList({"&Ano", "&Ne", "Zrušit", "&Otevřít", "&Tisk"}));
    }
    EXPECT_EQ(ButtonTexts(), QStringList({"&Yes", "&No", "Cancel", "&Open", "&Print"}));
}

} // namespace
} // namespace vak
