// Qt's Czech translation and the program's own Czech button texts behind it.
#include "ui/CzechTranslation.h"

#include "res/StringTable.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <cstring>

namespace vak {

namespace {

// Qt's texts of the standard buttons the program's dialogs use, with their string-table ids.
struct ButtonText {
    const char* source;
    int id;
};
constexpr ButtonText BUTTON_TEXTS[] = {
    {"&Yes", IDS_YES},      {"&No", IDS_NO},       {"Cancel", IDS_CANCEL},
    {"&Cancel", IDS_CANCEL}, {"&Open", IDS_OPEN},   {"&Print", IDS_PRINT},
};

} // namespace

QString CButtonTextTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    if (!sourceText)
        return {};
    for (const ButtonText& text : BUTTON_TEXTS) {
        if (std::strcmp(text.source, sourceText) == 0) {
            // The mnemonic stays on the first letter as in Qt's text.
            const QString prefix = sourceText[0] == '&' ? QStringLiteral("&") : QString();
            return prefix + Q(ResString(text.id));
        }
    }
    return {};
}

QString CCzechTranslation::QtTranslationsDir()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

CCzechTranslation::CCzechTranslation(const QString& translationsDir)
{
    // The translator installed last is asked first: Qt's own, then ours for what it lacks.
    QCoreApplication::installTranslator(&m_buttons);
    m_bQtLoaded = m_qt.load(QStringLiteral("qtbase_cs"), translationsDir);
    if (m_bQtLoaded)
        QCoreApplication::installTranslator(&m_qt);
}

CCzechTranslation::~CCzechTranslation()
{
    if (m_bQtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_buttons);
}

} // namespace vak
