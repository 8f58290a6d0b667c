// The main window: start-up, the routing of its commands, opening another group file, the help
// text and the closing sequence that saves the work.
#include "main/MainDlg.h"

#include "data/FilePath.h"
#include "data/GroupPaths.h"
#include "data/ReportMonth.h"
#include "data/SavePolicy.h"
#include "data/SettingsFile.h"
#include "entry/EntryDlg.h"
#include "main/AboutDlg.h"
#include "main/BusyScope.h"
#include "main/MainWindowType.h"
#include "main/MonthSummaryDlg.h"
#include "main/Telephony.h"
#include "print/PreviewDlg.h"
#include "res/StringTable.h"
#include "ui/AppIcon.h"
#include "ui/FileDlg.h"
#include "ui/ListBox.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/Termination.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <ctime>
#include <filesystem>
#include <memory>
#include <new>

namespace vak {

namespace {

constexpr const char* GROUP_FILE_PATTERN = "*.t09 *.T09";
constexpr int TERMINATION_RETRY_MS = 20;

std::string CurrentDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : Utf8FromPath(current);
}

void SetCurrentDirectory(const std::string& folder)
{
    std::error_code error;
    if (!folder.empty())
        std::filesystem::current_path(PathFromUtf8(folder), error);
}

} // namespace

CMainDlg::CMainDlg(CMessageBoxSink& messages, const MainDlgContext& context, QWidget* parent)
    : QDialog(parent), CGroupData(messages), m_messages(messages), m_context(context)
{
    m_messages.SetParent(this);
    // The window icon also stands for the minimised window and its drag image; Qt draws it.
    m_hIcon = ApplicationIcon();
    // A window of its own in the task bar, with a close box but without minimise or maximise.
    setWindowFlags(MainWindowType() | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(m_hIcon);
    m_controls.Build(*this, IDD_MAIN);
    m_pList = m_controls.Item<CListBox>(IDC_PUBLISHER_LIST);
    ConnectHandlers();
    OnInitDialog();
}

CMainDlg::~CMainDlg()
{
    m_messages.SetParent(nullptr);
}

void CMainDlg::ConnectHandlers()
{
    connect(m_controls.Item<QCheckBox>(IDC_FILTER), &QAbstractButton::clicked, this, &CMainDlg::OnFilterClicked);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this] { OnSelChangeList(); });
    // A double click opens the entry; `activated` would also fire on Enter and open it twice.
    connect(m_pList, &QAbstractItemView::doubleClicked, this, [this] { OnOK(); });
    m_controls.OnClicked(IDOK, [this] { OnOK(); });
    m_controls.OnClicked(IDCANCEL, [this] { OnCancel(); });
    m_controls.OnClicked(IDC_LOAD_LIST, [this] { OnLoadNewList(); });
    m_controls.OnClicked(IDC_SEND_REPORT, [this] {
        SendReportFile();
        FocusList();
    });
    m_controls.OnClicked(IDC_PREVIEW, [this] { OnPreview(); });
    m_controls.OnClicked(IDC_DIAL, [this] { OnDial(); });
    m_controls.OnClicked(IDC_NEXT_PHONE, [this] { OnNextPhone(); });
    m_controls.OnClicked(IDC_HELP_TIPS, [this] { OnHelpTips(); });
    m_controls.OnClicked(IDC_SEND_REMINDER, [this] { SendReminder(); });
    m_controls.OnClicked(IDC_PREVIEW_REMINDER, [this] { PreviewReminder(); });
    m_controls.OnClicked(IDC_MONTH_SUMMARY, [this] { OnMonthSummary(); });
    m_controls.OnClicked(IDC_REMIND_ALL, [this] { OnRemindAll(); });
}

void CMainDlg::OnInitDialog()
{
    AddAboutToSystemMenu();

    const std::string remembered =
        m_context.settings ? m_context.settings->GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH) : std::string();
    // Kept absolute, so that the settings name the same file whatever folder Vak starts in next.
    m_strPath = AbsolutePath(StartupGroupPath(m_context.commandLine, remembered));
    m_strLastEntered =
        m_context.settings ? m_context.settings->GetProfileString(SETTINGS_SECTION, KEY_POST) : std::string();
    m_strStartDir = CurrentDirectory();
    m_strLang = ResString(IDS_LANGUAGE);
    InitReportMonth(m_context.today);

    m_controls.Show(IDC_SEND_REPORT, false);
    m_controls.Show(IDC_PREVIEW, false);
    m_controls.Show(IDC_FILTER, false);
    m_controls.SetText(IDC_MONTH_SUMMARY, Q(ResString(IDS_MONTH_SUMMARY)));
    m_controls.SetText(IDC_REMIND_ALL, Q(ResString(IDS_REMIND_ALL)));

    if (HasGroupExtension(m_strPath) && LoadGroupFile(m_strPath)) {
        FillPublisherList();
        UpdateStatusTexts();
        // An empty list alone would not say why.
        if (m_loadStatus == LoadStatus::NotOpened)
            ShowMessage(Q(FormatText(ResString(IDS_PATH_UNREADABLE), m_strPath, m_loadError.message())),
                        MsgIcon::Warning);
    }
    m_bFilter = 0;
    FocusList();
}

// The desktop owns the window's system menu here, so the about item lives in the window's
// own context menu (right mouse button, or the menu key on the publisher list).
void CMainDlg::AddAboutToSystemMenu()
{
    const std::string aboutText = ResString(IDS_ABOUTBOX);
    if (aboutText.empty())
        return;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    auto* about = new QAction(Q(aboutText), this);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    addAction(separator);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CMainDlg::OnSysCommand(int id)
{
    if ((id & 0xFFF0) != IDM_ABOUTBOX)
        return;
    BusyScope busy(m_nBusy);
    CAboutDlg about(this);
    about.exec();
    FocusList();
}

void CMainDlg::OnFilterClicked()
{
    m_bFilter = m_controls.Item<QCheckBox>(IDC_FILTER)->isChecked() ? 1 : 0;
    FillPublisherList();
}

void CMainDlg::OnOK()
{
    if (m_pList->count() == 0 || m_pList->currentRow() < 0)
        return;
    BusyScope busy(m_nBusy);
    m_nSel = m_pList->currentRow();
    if (!RunEntryDialog(SelectedPublisher())) {
        OnCancel();
        return;
    }
    if (m_bFilter)
        FillPublisherList();
    else
        FocusList();
}

std::unique_ptr<CEntryDlg> CMainDlg::NewEntryDialog(int p)
{
    return std::make_unique<CEntryDlg>(*this, m_strLang, p, [this](int stored) {
        m_strLastEntered = FormatPublisherName(stored, NameForm::Caption);
        UpdateStatusTexts();
    }, this);
}

bool CMainDlg::RunEntryDialog(int p)
{
    std::unique_ptr<CEntryDlg> entry;
    try {
        entry = NewEntryDialog(p);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!entry->IsCreated())
        return false;
    entry->exec();
    return true;
}

void CMainDlg::OnCancel()
{
    BusyScope busy(m_nBusy);
    CloseSequence();
}

void CMainDlg::reject()
{
    // Esc, the close box and the system menu's Close all run the closing sequence.
    OnCancel();
}

void CMainDlg::OnLoadNewList()
{
    BusyScope busy(m_nBusy);
    const std::string folder = InitialFolderFor(m_strPath, m_strStartDir);
    const QString chosen = CFileDlg::GetOpenFileName(this, Q(ResString(IDS_OPEN_TITLE)),
                                                     Q(ResString(IDS_OPEN_FILTER)),
                                                     QString::fromLatin1(GROUP_FILE_PATTERN), Q(folder));
    if (chosen.isEmpty()) {
        SetCurrentDirectory(m_strStartDir);
        FocusList();
        return;
    }
    const std::string path = chosen.toStdString();
    if (!HasGroupExtension(path))
        return;
    // Reports entered into the current group are saved before it is replaced; if they can be
    // kept nowhere the current group stays loaded, so nothing typed is lost.
    if (!SaveEnteredWork(*this, m_messages)) {
        FocusList();
        return;
    }
    LoadGroupFile(path);
    FillPublisherList();
    m_strLastEntered.clear();
    UpdateStatusTexts();
    SetCurrentDirectory(m_strStartDir);
    FocusList();
}

void CMainDlg::OnPreview()
{
    BusyScope busy(m_nBusy);
    RunPreviewDialog(m_nMonth);
    FocusList();
}

void CMainDlg::RunPreviewDialog(int month)
{
    CPreviewDlg preview(*this, m_context.printers, m_strLang, this);
    preview.m_nMonth = static_cast<std::uint8_t>(month);
    preview.DoModal();
}

void CMainDlg::OnMonthSummary()
{
    BusyScope busy(m_nBusy);
    CMonthSummaryDlg summary(*this, m_context.printers, this);
    summary.DoModal();
    FocusList();
}

void CMainDlg::OnDial()
{
    if (m_nPhones == 0 || !m_context.telephony)
        return;
    BusyScope busy(m_nBusy);
    // The number shown belongs to the publisher whose contacts were loaded, who stays shown
    // when the filtered list has emptied after an entry.
    const int p = m_nContactPublisher;
    DialNumber(Q(m_strPhone[m_nPhone]), Q(FormatPublisherName(p, NameForm::Caption)), *m_context.telephony, this);
    FocusList();
}

void CMainDlg::OnNextPhone()
{
    ++m_nPhone;
    if (m_nPhone >= m_nPhones)
        m_nPhone = 0;
    m_controls.SetText(IDC_PHONE, Q(ShownOnOneLine(m_strPhone[m_nPhone])));
    FocusList();
}

void CMainDlg::OnHelpTips()
{
    BusyScope busy(m_nBusy);
    std::string tips;
    for (int id = IDS_TIPS_FIRST; id <= IDS_TIPS_LAST; ++id)
        tips += ResString(id);
    tips += ResString(IDS_TIPS_MONTH);
    ShowMessage(Q(tips), MsgIcon::Information);
    FocusList();
}

// Closing: save the group in place, release it, remember the file and the last name, end.
// Returns false when the user chose to keep the window open because entered reports could not
// be saved anywhere.
bool CMainDlg::CloseSequence()
{
    if (m_bClosed)
        return true;
    // Yes drops the reports, so Enter (the default) keeps the window open.
    if (!SaveEnteredWork(*this, m_messages) && !AskYesNo(ResString(IDS_SAVE_FAILED_QUIT), /*answerWhenUnattended=*/true, MsgAnswer::No))
        return false;
    if (m_bLoaded)
        FreeGroupData();
    RememberInSettings();
    m_bClosed = true;
    QDialog::done(QDialog::Rejected);
    return true;
}

void CMainDlg::RememberInSettings() const
{
    if (m_context.settings)
        m_context.settings->WriteProfileStrings(SETTINGS_SECTION,
                                                {{KEY_LOAD_PATH, m_strPath}, {KEY_POST, m_strLastEntered}});
}

// A Yes/No question with `defaultAnswer` on Enter; when the system is ending the program nobody
// is there to answer, and `answerWhenUnattended` is taken instead (also when the request came
// while the box was open).
bool CMainDlg::AskYesNo(const std::string& text, bool answerWhenUnattended, MsgAnswer defaultAnswer)
{
    if (m_bUnattended || TerminationRequested())
        return answerWhenUnattended;
    const MsgAnswer answer = VakMessageBox(this, Q(text), MsgButtons::YesNo, MsgIcon::Question, defaultAnswer);
    if (TerminationRequested())
        return answerWhenUnattended;
    return answer == MsgAnswer::Yes;
}

void CMainDlg::CloseUnattended()
{
    m_bUnattended = true;
    m_messages.SetUnattended(true);
    CloseSequence();
}

void CMainDlg::OnTerminationRequested()
{
    if (m_bClosed)
        return;
    // Let the command in progress finish; its modal window is closed first.
    if (CloseActiveModalWindow(this) || m_nBusy > 0) {
        QTimer::singleShot(TERMINATION_RETRY_MS, this, &CMainDlg::OnTerminationRequested);
        return;
    }
    CloseUnattended();
}

void CMainDlg::SaveForSessionEnd()
{
    if (m_bClosed)
        return;
    m_bUnattended = true;
    m_messages.SetUnattended(true);
    // Closing a modal window hides it, so the next one down comes up; a few levels at most.
    constexpr int MAX_NESTED_WINDOWS = 8;
    for (int i = 0; i < MAX_NESTED_WINDOWS && CloseActiveModalWindow(this); ++i) {
    }
    SaveEnteredWork(*this, m_messages);
    RememberInSettings();
}

void CMainDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter opens the entry for the selected publisher, unless a push button has the focus
    // (the button handles Enter itself then).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !qobject_cast<QPushButton*>(focusWidget())) {
        OnOK();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        OnHelpTips();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDlg::FocusList()
{
    // After a modal window closes or the mail client took a message (the window was disabled
    // meanwhile), the keyboard comes back here even where the platform does not hand the
    // activation back by itself.
    if (isVisible())
        activateWindow();
    m_pList->setFocus(Qt::OtherFocusReason);
}

int CMainDlg::SelectedPublisher() const
{
    const QListWidgetItem* item = m_pList->item(m_nSel);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void CMainDlg::ShowMessage(const QString& text, MsgIcon icon)
{
    VakMessageBox(this, text, MsgButtons::Ok, icon);
}

} // namespace vak
