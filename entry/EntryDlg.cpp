// The report entry dialog: opening, the month shown with its labels and warning, the form's
// layout, the month list for late reports and the three check boxes.
#include "entry/EntryDlg.h"

#include "data/GroupData.h"
#include "entry/EntryEdit.h"
#include "entry/EntryRules.h"
#include "res/StringTable.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace vak {

namespace {

constexpr int REPORT_FIELDS = 5;  // 139..143, headed by 147..151

// Controls the month list covers, hidden while it is open.
constexpr int COVERED_BY_MONTH_LIST[] = {IDC_NOTES, IDOK, IDCANCEL, IDC_CHANGE_MONTH, IDC_GROUP_LABEL};

} // namespace

CEntryDlg::CEntryDlg(CGroupData& group, const std::string& language, int publisher, StoredAction onStored,
                     QWidget* parent)
    : QDialog(parent), m_nPublisher(static_cast<std::uint16_t>(publisher)), m_group(group), m_strLang(language),
      m_onStored(std::move(onStored))
{
    // A modal frame with a caption, without a system menu or close box: Esc and "Zrušit" cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_bCreated = m_controls.Build(*this, IDD_ENTRY);
    if (!m_bCreated)
        return;
    m_pMonthList = m_controls.Item<QListWidget>(IDC_MONTH_LIST);
    ConnectHandlers();
    OnInitDialog();
}

void CEntryDlg::ConnectHandlers()
{
    m_controls.OnClicked(IDC_CHANGE_MONTH, [this] { OnChangeMonth(); });
    connect(m_pMonthList, &QListWidget::currentRowChanged, this, [this] { OnMonthSelChange(); });
    connect(m_pMonthList, &QAbstractItemView::doubleClicked, this, [this] { OnMonthListDone(); });
    m_controls.OnClicked(IDC_MONTH_LIST_DONE, [this] { OnMonthListDone(); });
    m_controls.OnClicked(IDC_UNDER_ONE_HOUR, [this] { OnUnderOneHour(); });
    m_controls.OnClicked(IDC_AUX_PIONEER, [this] { OnAuxPioneer(); });
    m_controls.OnClicked(IDC_PARTICIPATION, [this] { OnParticipation(); });
    m_controls.OnClicked(IDC_NOTES, [this] { OnNotes(); });
    m_controls.OnClicked(IDOK, [this] { OnOK(); });
    m_controls.OnClicked(IDCANCEL, [this] { reject(); });
    // A click on "Zrušit" leaves the focus where it is, so a note being edited is not stored
    // on the way out; Tab still reaches the button.
    GetDlgItem(IDCANCEL)->setFocusPolicy(Qt::TabFocus);
    // What the user changes in the month's controls, as opposed to what loading a month shows.
    for (int id = IDC_PUBLICATIONS; id <= IDC_STUDIES; ++id)
        connect(Field(id), &QLineEdit::textEdited, this, [this] { m_bTyped = true; });
    for (const int id : {IDC_UNDER_ONE_HOUR, IDC_AUX_PIONEER, IDC_PARTICIPATION})
        m_controls.OnClicked(id, [this] { m_bTyped = true; });
    for (QWidget* watched : {GetDlgItem(IDC_HOURS), GetDlgItem(IDC_NOTE), GetDlgItem(IDC_PUBLICATIONS),
                             GetDlgItem(IDOK), static_cast<QWidget*>(m_pMonthList)})
        watched->installEventFilter(this);
}

void CEntryDlg::OnInitDialog()
{
    m_nShownMonth = m_group.m_nMonth;
    m_nSlot = m_group.m_nYearSlot;
    const QString name = Q(m_group.ShownName(m_nPublisher, NameForm::Caption, m_strLang));
    setWindowTitle(name);
    m_controls.SetText(IDC_PUBLISHER_NAME, name);
    FillMonthList();
    for (const int id : {IDC_MONTH_LIST, IDC_MONTH_LIST_DONE, IDC_NOTE})
        m_controls.Show(id, false);

    m_record = CEntryRecord(m_group.Record(m_nPublisher));
    m_bPioneer = m_record.PioneerByte(m_nShownMonth, m_nSlot) != 0;
    m_bParticipated = (m_record.Field4(m_nShownMonth, m_nSlot) & PARTICIPATION_BIT) != 0;
    ApplyLayout();
    m_controls.SetText(IDC_CHANGE_MONTH, Q(ResString(IDS_CHANGE_MONTH)));
    Box(IDC_UNDER_ONE_HOUR)->setToolTip(Q(ResString(IDS_UNDER_ONE_HOUR_TIP)));
    Box(IDC_PARTICIPATION)->setToolTip(Q(ResString(IDS_PARTICIPATION_TIP)));
    LoadMonth();
    // QDialog centres itself over the main window when it is shown.
    FocusFirstField();
}

void CEntryDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The dialog is worked from the keyboard: the focus is drawn from the start, not only
    // after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void CEntryDlg::FillMonthList()
{
    const QSignalBlocker blocker(m_pMonthList);
    m_pMonthList->clear();
    for (int month = 0; month < MONTHS; ++month)
        m_pMonthList->addItem(Q(MonthName(month)));
    m_pMonthList->setCurrentRow(m_nShownMonth);
}

// The new form offers the participation box, with hours for pioneers and Bible studies for
// those who took part; the old form offers all five fields and "<1 h".
void CEntryDlg::ApplyLayout()
{
    const bool newForm = m_group.m_bNewForm;
    for (int k = 0; k < REPORT_FIELDS; ++k)
        ShowReportField(IDC_PUBLICATIONS + k, !newForm);
    if (newForm) {
        ShowReportField(IDC_HOURS, m_bParticipated && m_bPioneer);
        ShowReportField(IDC_STUDIES, m_bParticipated);
    }
    m_controls.Show(IDC_UNDER_ONE_HOUR, !newForm);
    m_controls.Show(IDC_PARTICIPATION, newForm);
}

void CEntryDlg::ShowReportField(int id, bool visible)
{
    m_controls.Show(id, visible);
    m_controls.Show(IDC_HEADING_FIRST + (id - IDC_PUBLICATIONS), visible);
}

void CEntryDlg::LoadMonth()
{
    AttachFieldBehaviour();
    m_controls.SetText(IDC_SHOWN_MONTH, Q(MonthName(m_nShownMonth)));
    const int m = m_nShownMonth;
    const int s = ShownSlot();
    m_nPublications = m_record.Value(FIELD_PUBLICATIONS, m, s);
    m_nVideos = m_record.Value(FIELD_VIDEOS, m, s);
    m_nHours = m_record.Value(FIELD_HOURS, m, s);
    m_nReturnVisits = m_record.Value(FIELD_RETURN_VISITS, m, s);
    const std::uint16_t field4 = m_record.Field4(m, s);
    m_nStudies = field4 & STUDIES_MASK;
    m_nQuarters = field4 >> QUARTERS_SHIFT;
    const bool participationBit = (field4 & PARTICIPATION_BIT) != 0;
    if (m_group.m_bNewForm)
        m_bParticipated = participationBit;
    else
        m_bUnderOneHour = participationBit;
    if (m_nHours != 0 || m_nQuarters != 0)
        m_controls.Show(IDC_UNDER_ONE_HOUR, false);
    if (m_bUnderOneHour)
        Field(IDC_HOURS)->setEnabled(false);
    m_nCredit = ShownStatus() == STATUS_REGULAR ? m_record.Credit(m, s) : 0;

    // Only reading: a note number is taken when a note's text is stored, so a month that is
    // only looked at leaves the note table as it was.
    std::string note;
    m_nNoteNumber = m_group.GetNote(m_nPublisher, m, s, note);
    m_strNote = TrimBlanks(note);
    UpdateCredit(m_nHours);
    ShowFieldValues();
    UpdateHoursState();
    ShowStatusLabels();
    ShowWarnings();
    m_bTyped = false;
}

void CEntryDlg::ShowFieldValues()
{
    m_controls.SetText(IDC_VIDEOS, QString::number(m_nVideos));
    m_controls.SetText(IDC_PUBLICATIONS, QString::number(m_nPublications));
    m_controls.SetText(IDC_RETURN_VISITS, QString::number(m_nReturnVisits));
    m_controls.SetText(IDC_STUDIES, QString::number(m_nStudies));
    Box(IDC_UNDER_ONE_HOUR)->setChecked(m_bUnderOneHour);
    Box(IDC_PARTICIPATION)->setChecked(m_bParticipated);
    m_controls.SetText(IDC_HOURS, Q(FormatHoursText(m_nHours, m_nQuarters)));
}

// Hours make "<1 h" meaningless and mean the publisher took part.
void CEntryDlg::UpdateHoursState()
{
    const QString text = Field(IDC_HOURS)->text();
    const bool newForm = m_group.m_bNewForm;
    if (text.size() > 1 || LeadingNumber(text.toStdString()) != 0) {
        m_controls.Show(IDC_UNDER_ONE_HOUR, false);
        Box(IDC_PARTICIPATION)->setChecked(true);
        m_bParticipated = true;
    } else {
        m_controls.Show(IDC_UNDER_ONE_HOUR, !newForm);
    }
    Field(IDC_HOURS)->setEnabled(!(m_bUnderOneHour && !newForm));
}

void CEntryDlg::ShowStatusLabels()
{
    constexpr int STATUS_TEXTS[] = {0, IDS_STATUS_AUXILIARY, IDS_STATUS_REGULAR, IDS_STATUS_SPECIAL};
    const int status = ShownStatus();
    m_controls.SetText(IDC_STATUS, status == STATUS_PUBLISHER ? QString() : Q(ResString(STATUS_TEXTS[status])));
    // Only a publisher's or an auxiliary pioneer's status can be changed here, by the box that
    // stands in the label's place; regular and special pioneers keep what is shown.
    if (status <= STATUS_AUXILIARY) {
        Box(IDC_AUX_PIONEER)->setChecked(status == STATUS_AUXILIARY);
        m_controls.Show(IDC_AUX_PIONEER, true);
        m_controls.Show(IDC_STATUS, false);
    }
    const int appointment = m_record.Appointment();
    m_controls.SetText(IDC_APPOINTMENT,
                       appointment == 0 ? QString() : Q(ResString(IDS_APPOINTMENT_BASE + appointment)));
    m_controls.SetText(IDC_GROUP_LABEL, Q(ResString(IDS_GROUP) + " " + std::to_string(m_record.Group())));
    m_controls.Show(IDC_CREDIT, status == STATUS_REGULAR);
}

void CEntryDlg::ShowWarnings()
{
    WarningInput input;
    input.shownMonth = m_nShownMonth;
    input.reportMonth = m_group.m_nMonth;
    input.alreadyReported = m_group.HasReport(m_nPublisher, m_nShownMonth, ShownSlot());
    input.specialPioneer = m_record.PioneerStatus(m_group.m_nMonth, m_nSlot) == STATUS_SPECIAL ||
                           ShownStatus() == STATUS_SPECIAL;
    input.monthListOpen = m_bMonthListOpen;
    input.lateMarkSet = m_group.HasLateMark(m_nPublisher, m_nShownMonth);
    input.publisherName = m_group.ShownName(m_nPublisher, NameForm::Caption, m_strLang);
    const Warning warning = BuildWarning(input);
    m_bOtherMonth = warning.otherMonth;
    m_bExcluded = warning.excluded;
    m_controls.SetText(IDC_WARNING, Q(warning.text));
}

void CEntryDlg::OnChangeMonth()
{
    m_bMonthListOpen = true;
    m_controls.Show(IDC_MONTH_LIST, true);
    FocusControl(m_pMonthList);
    for (const int id : COVERED_BY_MONTH_LIST)
        m_controls.Show(id, false);
    m_controls.Show(IDC_CREDIT, false);
    m_controls.Item<QPushButton>(IDC_MONTH_LIST_DONE)->setDown(false);
    m_controls.Show(IDC_MONTH_LIST_DONE, true);
}

// The fields follow the selection while the user moves through the list; values typed before
// are not kept.
void CEntryDlg::OnMonthSelChange()
{
    const int row = m_pMonthList->currentRow();
    if (!m_bMonthListOpen || row < 0)
        return;
    m_nShownMonth = row;
    if (m_nShownMonth == m_group.m_nMonth)
        ApplyLayout();
    LoadMonth();
}

void CEntryDlg::OnMonthListDone()
{
    if (!m_bMonthListOpen)
        return;
    m_bMonthListOpen = false;
    m_controls.Show(IDC_MONTH_LIST, false);
    m_controls.Show(IDC_MONTH_LIST_DONE, false);
    for (const int id : COVERED_BY_MONTH_LIST)
        m_controls.Show(id, true);
    // Loaded before the focus arrives, so the first field shows its new value selected.
    LoadMonth();
    FocusFirstField();
}

void CEntryDlg::OnUnderOneHour()
{
    Field(IDC_HOURS)->setEnabled(!(Box(IDC_UNDER_ONE_HOUR)->isChecked() && !m_group.m_bNewForm));
}

void CEntryDlg::OnParticipation()
{
    m_bParticipated = Box(IDC_PARTICIPATION)->isChecked();
    ShowReportField(IDC_HOURS, m_bPioneer && m_bParticipated);
    ShowReportField(IDC_STUDIES, m_bParticipated);
    if (!m_bParticipated) {
        m_controls.SetText(IDC_HOURS, QStringLiteral("0"));
        m_controls.SetText(IDC_STUDIES, QStringLiteral("0"));
        m_nHours = 0;
        m_nStudies = 0;
    }
}

void CEntryDlg::OnAuxPioneer()
{
    m_bPioneer = Box(IDC_AUX_PIONEER)->isChecked();
    ApplyLayout();
    UpdateHoursState();
    if (m_group.m_bNewForm)
        OnParticipation();
}

QLineEdit* CEntryDlg::Field(int id) const
{
    return m_controls.Item<QLineEdit>(id);
}

QCheckBox* CEntryDlg::Box(int id) const
{
    return m_controls.Item<QCheckBox>(id);
}

int CEntryDlg::ShownStatus() const
{
    return m_record.PioneerStatus(m_nShownMonth, ShownSlot());
}

int CEntryDlg::ShownSlot() const
{
    return YearSlotOfMonth(m_nShownMonth, m_group.m_nMonth, m_nSlot);
}

} // namespace vak
