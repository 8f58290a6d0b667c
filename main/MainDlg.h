// The main window: the publisher list, the status texts and contacts of the loaded group, and
// every command of the program. It owns the group data for the whole life of the program.
#pragma once

#include "data/GroupData.h"
#include "data/PublisherName.h"
#include "ui/DialogBuilder.h"

#include <QDialog>
#include <QIcon>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace vak {

class CEntryDlg;
class CListBox;
class CMailSystem;
class CMessageBoxSink;
class CPrinterChoice;
class CSettingsFile;
class CTelephony;

inline constexpr int IDM_ABOUTBOX = 0x0010;  // the about item of the system menu

// What the main window takes from the program around it; tests give their own.
struct MainDlgContext {
    const CSettingsFile* settings = nullptr;
    CTelephony* telephony = nullptr;
    CMailSystem* mail = nullptr;   // nullptr: no mail system installed
    CPrinterChoice* printers = nullptr;  // the application's printer choice
    std::string commandLine;    // the program's arguments joined into one text
    CivilDate today;            // the clock's local date at start-up
};

class CMainDlg : public QDialog, public CGroupData {
    Q_OBJECT
public:
    // Builds the window and runs its start-up: settings, report month, the group file.
    CMainDlg(CMessageBoxSink& messages, const MainDlgContext& context, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // Handlers, in the order of the window's routing.
    void OnSysCommand(int id);
    void OnFilterClicked();
    void OnSelChangeList();
    void OnOK();
    void OnCancel();
    void OnLoadNewList();
    // Writes the report file beside the group file and offers to mail it to the secretary.
    // Returns true when the mail was handed to the mail client.
    bool SendReportFile();
    void OnPreview();
    void OnDial();
    void OnNextPhone();
    void OnHelpTips();
    void SendReminder();
    void PreviewReminder();
    // The month at a glance: its totals, and the reminder to everyone still missing.
    void OnMonthSummary();
    void OnRemindAll();

    // The publisher list and status texts.
    void FillPublisherList();
    std::string FormatPublisherName(int p, NameForm form) const;
    std::uint8_t LoadContacts(int p);
    bool IsValidEmail();
    std::string GetContactPhone(int p, bool second) const;
    void UpdateStatusTexts();

    // The report entry dialog for publisher p: it stores into this window's group and tells
    // the window who was entered last.
    std::unique_ptr<CEntryDlg> NewEntryDialog(int p);

    // The closing sequence without questions, for the end of the session or a signal.
    void CloseUnattended();
    bool IsClosed() const { return m_bClosed; }

    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }
    CListBox* PublisherList() const { return m_pList; }
    CPrinterChoice* Printers() const { return m_context.printers; }
    CMailSystem* MailSystem() const { return m_context.mail; }

    // State of the window (members named as the rest of the program knows them).
    int m_bFilter = 0;                   // check box "Omezit na neodevzdané zprávy"
    int m_nSel = 0;                      // list position of the selection
    std::string m_strStartDir;           // working directory at start-up
    std::string m_strLang;               // language code, text 1198
    std::string m_strLastEntered;        // name of the publisher entered last
    std::array<std::string, 3> m_strPhone;
    std::uint8_t m_nPhone = 0;           // index of the number shown
    std::uint8_t m_nPhones = 0;          // how many of m_strPhone are valid
    std::string m_strEmail;              // reminder address of the selected publisher
    int m_nContactPublisher = 0;         // whose numbers and address these are (LoadContacts)
    QIcon m_hIcon;

public slots:
    // The system asked the program to end: close any open modal window and run the closing
    // sequence without questions as soon as no command is in progress.
    void OnTerminationRequested();
    // The desktop session is ending: the system may end the process as soon as this returns, so
    // the work is saved now, inside the command in progress. Every open modal window is closed
    // (an open report keeps what was typed) and the group and the settings are written; the
    // window itself closes when the request's own closing runs.
    void SaveForSessionEnd();

protected:
    // Runs the report entry dialog for publisher p. Returns false only when the dialog could
    // not be created, which ends the program as closing does.
    virtual bool RunEntryDialog(int p);
    // Runs the print preview of `month`.
    virtual void RunPreviewDialog(int month);

    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void OnInitDialog();
    void ConnectHandlers();
    void AddAboutToSystemMenu();
    bool CloseSequence();
    void RememberInSettings() const;
    bool AskYesNo(const std::string& text, bool answerWhenUnattended, MsgAnswer defaultAnswer = MsgAnswer::Yes);
    void ShowContacts();
    void ShowListButtons();
    void FocusList();
    int SelectedPublisher() const;
    void ShowMessage(const QString& text, MsgIcon icon);

    CMessageBoxSink& m_messages;
    MainDlgContext m_context;
    CDialogControls m_controls;
    CListBox* m_pList = nullptr;
    bool m_bClosed = false;
    bool m_bUnattended = false;
    int m_nBusy = 0;   // commands in progress that may have a modal window open
};

} // namespace vak
