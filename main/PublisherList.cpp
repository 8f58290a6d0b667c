// The main window's publisher list, the contact state of the selected publisher and the status
// texts: caption, count lines, last-entered name and the buttons that depend on them.
#include "main/MainDlg.h"

#include "data/MissingReports.h"
#include "data/MissingReports.h"
#include "res/StringTable.h"
#include "ui/ListBox.h"
#include "ui/QtText.h"

#include <QSignalBlocker>

namespace vak {

void CMainDlg::FillPublisherList()
{
    int n = 0;
    {
        // The refill would report every intermediate selection; it reports once at the end.
        const QSignalBlocker blocker(m_pList);
        m_pList->clear();
        for (int p = 1; p <= m_nPublishers; ++p) {
            if (m_bFilter != 0 && !IsReportMissing(p, m_nMonth, m_nYearSlot))
                continue;
            auto* item = new QListWidgetItem(Q(FormatPublisherName(p, NameForm::List)));
            item->setData(Qt::UserRole, p);
            m_pList->insertItem(n, item);
            ++n;
        }
        // The selection keeps its position, whoever now stands there.
        if (m_nSel > n - 1)
            m_nSel = 0;
        if (n > 0)
            m_pList->setCurrentRow(m_nSel);
    }
    ShowListButtons();
    m_pList->setFocus(Qt::OtherFocusReason);
    OnSelChangeList();
}

std::string CMainDlg::FormatPublisherName(int p, NameForm form) const
{
    return ShownName(p, form, m_strLang);
}

void CMainDlg::OnSelChangeList()
{
    // A group of one publisher is listed but not worked with.
    if (m_nPublishers < 2 || m_pList->count() == 0 || m_pList->currentRow() < 0)
        return;
    m_nSel = m_pList->currentRow();
    const int p = m_pList->item(m_nSel)->data(Qt::UserRole).toInt();
    m_controls.SetText(IDOK, Q(FormatText(ResString(IDS_OK_CAPTION), FormatPublisherName(p, NameForm::Caption))));
    LoadContacts(p);
    ShowContacts();
}

// Shows the contact state: the first valid number with its buttons, and the reminder buttons
// when an address is offered. "Vytočit" is offered whenever a number is shown; whether a
// telephony service exists is found out when it is pressed.
void CMainDlg::ShowContacts()
{
    if (m_nPhones != 0) {
        m_controls.SetText(IDC_PHONE, Q(ShownOnOneLine(m_strPhone[m_nPhone])));
        m_controls.Show(IDC_PHONE, true);
    } else {
        m_controls.SetText(IDC_PHONE, QString());
        m_controls.Show(IDC_PHONE, false);
    }
    m_controls.Show(IDC_DIAL, m_nPhones != 0);
    m_controls.Show(IDC_NEXT_PHONE, m_nPhones >= 2);

    const bool offerMail = !m_strEmail.empty();
    if (offerMail)
        m_controls.SetText(IDC_SEND_REMINDER, QStringLiteral("E-mail - ") + Q(ShownOnOneLine(m_strEmail)));
    m_controls.Show(IDC_SEND_REMINDER, offerMail);
    m_controls.Show(IDC_PREVIEW_REMINDER, offerMail);
}

std::uint8_t CMainDlg::LoadContacts(int p)
{
    m_nContactPublisher = p;
    m_nPhones = GatherValidPhones({GetPhone(p, 0), GetPhone(p, 1), GetPhone(p, 2)}, m_strPhone);
    m_nPhone = 0;
    // A reminder address is offered only to a publisher whose report is still missing.
    m_strEmail = ReminderAddress(*this, p);
    return m_nPhones;
}

bool CMainDlg::IsValidEmail()
{
    return TrimAndCheckEmail(m_strEmail);
}

std::string CMainDlg::GetContactPhone(int p, bool second) const
{
    return ContactPhone({GetPhone(p, 0), GetPhone(p, 1), GetPhone(p, 2)}, second);
}

void CMainDlg::UpdateStatusTexts()
{
    const std::string group = ResString(IDS_GROUP) + " " + std::to_string(unsigned{m_nGroup});
    setWindowTitle(Q(ResString(IDS_REPORTED_CAPTION, IDS_MONTH_FIRST + m_nMonth) + " - " + group + " "));

    unsigned missing = 0;
    for (int p = 1; p <= m_nPublishers; ++p)
        if (IsReportMissing(p, m_nMonth, m_nYearSlot))
            ++missing;
    m_controls.SetText(IDC_MISSING_COUNT,
                       Q(ResString(IDS_MISSING_COUNT, IDS_MONTH_FIRST + m_nMonth) + " = " + std::to_string(missing)));
    m_controls.SetText(IDC_TOTAL_COUNT,
                       Q(ResString(IDS_TOTAL_PUBLISHERS) + " = " + std::to_string(unsigned{m_nPublishers})));
    m_controls.SetText(IDC_LAST_ENTERED, Q(m_strLastEntered));

    ShowListButtons();
    m_controls.Show(IDC_FILTER, m_nPublishers != 0);
    m_controls.Show(IDC_MONTH_SUMMARY, m_nPublishers != 0);
    m_controls.Show(IDC_REMIND_ALL, m_nPublishers != 0);
}

// Sending and printing are offered while the list shows anyone; kept true after every refill,
// so the last publisher leaving the filtered list also hides them.
void CMainDlg::ShowListButtons()
{
    const bool listed = m_pList->count() > 0;
    m_controls.Show(IDC_SEND_REPORT, listed);
    m_controls.Show(IDC_PREVIEW, listed);
}

} // namespace vak
