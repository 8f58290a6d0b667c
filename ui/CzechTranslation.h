// Czech texts for Qt's own buttons and dialogs (message boxes, the file and print dialogs):
// Qt's Czech translation, and Czech button texts of our own where that translation is missing.
#pragma once

#include <QString>
#include <QTranslator>

namespace vak {

// Answers the few standard button texts the program's dialogs show, from the string table.
class CButtonTextTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Installs both translators for its lifetime: Qt's own first in line, ours behind it.
class CCzechTranslation {
public:
    // `translationsDir`: where Qt's translations are installed.
    explicit CCzechTranslation(const QString& translationsDir = QtTranslationsDir());
    ~CCzechTranslation();
    CCzechTranslation(const CCzechTranslation&) = delete;
    CCzechTranslation& operator=(const CCzechTranslation&) = delete;

    // Whether Qt's own Czech translation was found.
    bool HasQtTranslation() const { return m_bQtLoaded; }

    static QString QtTranslationsDir();

private:
    CButtonTextTranslator m_buttons;
    QTranslator m_qt;
    bool m_bQtLoaded = false;
};

} // namespace vak
