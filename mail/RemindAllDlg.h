// Reminding everyone still missing: the publishers whose report of the report month is missing,
// each line ticked when a reminder can go to the publisher's address, the reminder's subject and
// text, and "Odeslat", which hands one message per ticked publisher to the mail system.
#pragma once

#include "data/MissingReports.h"
#include "mail/MapiMessage.h"
#include "ui/DialogBuilder.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QKeyEvent;

namespace vak {

class CGroupData;
class CListBox;

class CRemindAllDlg : public QDialog {
    Q_OBJECT
public:
    // Dials `number` of publisher `publisher` with message boxes owned by `owner`.
    using DialAction = std::function<void(int publisher, const std::string& number, QWidget* owner)>;

    // The publishers of `group` still missing, reminded through `mail` (nullptr: no mail system)
    // and called with `dial` (empty: no telephony).
    CRemindAllDlg(CGroupData& group, CMailSystem* mail, DialAction dial, QWidget* parent);

    // Lists the missing publishers (OnInitDialog) and runs the dialog modally.
    int DoModal();
    void OnInitDialog();

    // Handlers, in the order of the dialog's routing.
    void OnSelChangeList();
    void OnDial();   // Enter on a line, "Vytočit": the publisher's first number
    void OnSend();   // "Odeslat"

    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }
    CListBox* List() const { return m_pList; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Outcome {
        int handed = 0;
        bool cancelled = false;              // stopped before every ticked one was tried
        std::vector<std::string> failures;  // "name (address): reason"
    };
    Outcome HandOver(const std::vector<int>& rows);
    CMailSystem::LateFailure LateFailureOf(int row);
    void OnLateFailure(int row, const std::string& reason);
    static std::string Recipient(const MissingPublisher& missing);
    static std::string FailureLine(const MissingPublisher& missing, const std::string& reason);
    void ShowOutcome(const Outcome& outcome, int ticked);
    void FocusList();
    std::vector<int> TickedRows() const;
    void UpdateButtons();

    CGroupData& m_group;
    CMailSystem* m_pMail;
    DialAction m_dial;
    CDialogControls m_controls;
    CListBox* m_pList = nullptr;
    std::vector<MissingPublisher> m_missing;  // one a line of the list
    Outcome* m_pRun = nullptr;                // the outcome of the run in progress
};

} // namespace vak
