// Opening the month's dialogs against a bare Qt dialog: in one process, over the main window of a
// 127-publisher group, the reminder dialog (every missing publisher a line), the totals dialog
// (figures computed) and the year at a glance (a year of every publisher computed into a table)
// are each opened, shown and closed, and so is a plain QDialog with as many plain controls in the
// same places and a list of as many lines or a table of as many cells. Prints medians and ratios.
//
//   bench_month [RUNS]        (default 200 runs of each, on the offscreen platform unless
//                              QT_QPA_PLATFORM is set)
#include "BenchWindows.h"

#include "data/MissingReports.h"
#include "data/MonthTotals.h"
#include "fixtures/GroupBuilder.h"
#include "mail/RemindAllDlg.h"
#include "main/MonthSummaryDlg.h"
#include "main/YearOverviewDlg.h"
#include "data/YearOverview.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int PUBLISHERS = 127;
constexpr int WARM_UP_RUNS = 10;

using vak::bench::Median;
using vak::bench::MillisecondsOf;
using vak::bench::WaitUntilShown;

// Every status, a third of the reports missing, half of the publishers with an address.
bool WriteGroup(const std::string& path)
{
    vak::fixtures::GroupBuilder group;
    group.Group(1).Month(2);
    for (int p = 1; p <= PUBLISHERS; ++p) {
        const std::string email = p % 2 == 0 ? "zvestovatel" + std::to_string(p) + "@example.cz" : "";
        auto publisher = group.AddPublisher({.firstName = "Jméno" + std::to_string(p),
                                             .surname = "Příjmení" + std::to_string(p), .email = email,
                                             .phones = {"602 111 " + std::to_string(100 + p), "", ""}});
        const int status = p % 17 == 0 ? 3 : p % 10 == 0 ? 2 : p % 7 == 0 ? 1 : 0;
        publisher.Status(2, 0, status);
        if (p % 3 != 0)
            publisher.Report(2, 0, {.hours = status == 0 ? 0 : 40 + p % 30, .studies = p % 4, .quarters = p % 4,
                                    .participation = true, .credit = status == 2 ? 5 : 0});
        if (p % 11 == 0)
            publisher.Late(1).Report(1, 0, {.participation = true});
    }
    return group.WriteTo(path);
}

template <class Dialog, class... Services>
void OpenDialog(vak::CMainDlg& mainDlg, Services... services)
{
    Dialog dialog(mainDlg, services..., &mainDlg);
    dialog.OnInitDialog();
    dialog.show();
    WaitUntilShown(dialog);
    dialog.reject();
}

// Plain lines of the same texts as the Vak dialog's list.
std::function<void(QListWidget&)> PlainLines(const std::vector<std::string>& lines, bool checkable)
{
    return [lines, checkable](QListWidget& list) {
        for (const std::string& line : lines) {
            auto* item = new QListWidgetItem(QString::fromStdString(line), &list);
            if (checkable)
                item->setCheckState(Qt::Checked);
        }
    };
}

// Plain cells of the same texts as the year table.
std::function<void(QTableWidget&)> PlainCells(const std::vector<std::vector<std::string>>& rows)
{
    return [rows](QTableWidget& table) {
        table.setRowCount(static_cast<int>(rows.size()));
        table.setColumnCount(static_cast<int>(rows.front().size()));
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (std::size_t column = 0; column < rows[row].size(); ++column)
                table.setItem(static_cast<int>(row), static_cast<int>(column),
                              new QTableWidgetItem(QString::fromStdString(rows[row][column])));
    };
}

struct Timings {
    std::vector<double> bare;
    std::vector<double> vak;
};

void Report(const char* name, const Timings& timings, int templateId)
{
    const double bare = Median(timings.bare);
    const double vak = Median(timings.vak);
    std::printf("%s: bare QDialog with %zu plain controls %.2f ms, Vak %.2f ms, ratio %.2f (budget 1.5)\n", name,
                vak::FindDialogTemplate(templateId)->controls.size(), bare, vak, vak / bare);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 200;
    int appArgc = 1;
    QApplication app(appArgc, argv);

    QTemporaryDir dir;
    const auto mainWindow = vak::bench::OpenBenchGroup("bench_month", dir, PUBLISHERS, WriteGroup);
    if (!mainWindow)
        return 1;
    vak::CMainDlg& mainDlg = mainWindow->Dlg();
    std::vector<std::string> missingLines;
    for (const vak::MissingPublisher& missing : vak::MissingPublishers(mainDlg))
        missingLines.push_back(vak::MissingLine(missing));
    const std::vector<std::string> totalsLines = vak::MonthTotalsLines(vak::ComputeMonthTotals(mainDlg));
    const QString title = QStringLiteral("Březen - připomenout neodevzdané zprávy");

    const std::vector<std::vector<std::string>> yearRows = vak::YearOverviewTable(vak::ComputeYearOverview(mainDlg));
    Timings reminders;
    Timings totals;
    Timings year;
    for (int run = -WARM_UP_RUNS; run < runs; ++run) {
        const double bareReminders = MillisecondsOf(
            [&] { vak::bench::OpenBareDialog(mainDlg, vak::IDD_REMIND_ALL, title, PlainLines(missingLines, true)); });
        const double vakReminders = MillisecondsOf(
            [&] { OpenDialog<vak::CRemindAllDlg>(mainDlg, mainDlg.MailSystem(), vak::CRemindAllDlg::DialAction()); });
        const double bareTotals = MillisecondsOf(
            [&] { vak::bench::OpenBareDialog(mainDlg, vak::IDD_MONTH_SUMMARY, title, PlainLines(totalsLines, false)); });
        const double vakTotals = MillisecondsOf([&] { OpenDialog<vak::CMonthSummaryDlg>(mainDlg, mainDlg.Printers()); });
        const double bareYear = MillisecondsOf(
            [&] { vak::bench::OpenBareDialog(mainDlg, vak::IDD_YEAR_OVERVIEW, title, {}, PlainCells(yearRows)); });
        const double vakYear = MillisecondsOf([&] { OpenDialog<vak::CYearOverviewDlg>(mainDlg, mainDlg.Printers()); });
        if (run >= 0) {
            reminders.bare.push_back(bareReminders);
            reminders.vak.push_back(vakReminders);
            totals.bare.push_back(bareTotals);
            totals.vak.push_back(vakTotals);
            year.bare.push_back(bareYear);
            year.vak.push_back(vakYear);
        }
    }
    std::printf("platform: %s, %d runs each, %d publishers, %zu missing\n", qgetenv("QT_QPA_PLATFORM").constData(), runs,
                PUBLISHERS, missingLines.size());
    Report("reminder dialog", reminders, vak::IDD_REMIND_ALL);
    Report("totals dialog", totals, vak::IDD_MONTH_SUMMARY);
    Report("year at a glance", year, vak::IDD_YEAR_OVERVIEW);
    return 0;
}
