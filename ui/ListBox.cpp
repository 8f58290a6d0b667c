// Type-ahead search of the list box.
#include "ui/ListBox.h"

#include <QApplication>

namespace vak {

QString FoldForSearch(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    return folded.toCaseFolded();
}

int FindByTypedPrefix(const QStringList& entries, const QString& typed, int start)
{
    const int count = static_cast<int>(entries.size());
    if (count == 0 || typed.isEmpty())
        return -1;
    if (start < 0 || start >= count)
        start = 0;
    const QString foldedTyped = FoldForSearch(typed);
    int looseMatch = -1;
    for (int i = 0; i < count; ++i) {
        const int row = (start + i) % count;
        const QString& entry = entries[row];
        if (entry.startsWith(typed, Qt::CaseInsensitive))
            return row;
        if (looseMatch < 0 && FoldForSearch(entry).startsWith(foldedTyped))
            looseMatch = row;
    }
    return looseMatch;
}

CListBox::CListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
}

QStringList CListBox::Entries() const
{
    QStringList entries;
    entries.reserve(count());
    for (int row = 0; row < count(); ++row)
        entries.append(item(row)->text());
    return entries;
}

void CListBox::keyboardSearch(const QString& search)
{
    if (search.isEmpty())
        return;
    const bool continues = m_sinceLastKey.isValid() &&
                           m_sinceLastKey.elapsed() < QApplication::keyboardInputInterval();
    m_sinceLastKey.start();
    // A repeated single letter steps through the entries starting with it, as list boxes do.
    const bool sameLetterAgain = continues && m_typed.size() == 1 && search.compare(m_typed, Qt::CaseInsensitive) == 0;
    m_typed = (continues && !sameLetterAgain) ? m_typed + search : search;

    const int current = currentRow();
    const int start = (m_typed.size() == 1 && current >= 0) ? current + 1 : qMax(current, 0);
    const int row = FindByTypedPrefix(Entries(), m_typed, start);
    if (row >= 0)
        setCurrentRow(row);
}

} // namespace vak
