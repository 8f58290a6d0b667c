// The list box of the dialogs: a plain list whose keyboard search finds an entry by its first
// letters, with or without the Czech accents typed.
#pragma once

#include <QElapsedTimer>
#include <QListWidget>
#include <QStringList>

namespace vak {

// The text with accents removed and letters folded to lower case, for type-ahead matching:
// "Šťastná" -> "stastna".
QString FoldForSearch(const QString& text);

// The row of the first entry, searching from `start` and wrapping around, whose text begins
// with `typed`. An entry that matches with its accents as typed is preferred to one that only
// matches with the accents ignored. -1 when none matches.
int FindByTypedPrefix(const QStringList& entries, const QString& typed, int start);

class CListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CListBox(QWidget* parent = nullptr);

    // Letters typed within the keyboard input interval of each other build one prefix; a
    // letter typed later starts a new one.
    void keyboardSearch(const QString& search) override;

private:
    QStringList Entries() const;

    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};

} // namespace vak
