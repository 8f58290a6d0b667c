// Opening the report entry dialog against a bare Qt dialog: in one process, over the main window
// of a 127-publisher group, either the entry dialog is opened on a publisher (template built,
// month loaded, shown) and closed, or a plain QDialog with as many plain controls in the same
// places is shown and closed. Prints the median times and their ratio.
//
//   bench_entry [RUNS]        (default 200 runs of each, on the offscreen platform unless
//                              QT_QPA_PLATFORM is set)
#include "BenchWindows.h"

#include "entry/EntryDlg.h"
#include "fixtures/GroupBuilder.h"
#include "res/DialogTemplates.h"
#include "res/StringTable.h"
#include "ui/DialogBuilder.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
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

// The bare dialog has the month list too, filled and hidden as the entry dialog's is.
void OpenBareDialog(QWidget& parent)
{
    vak::bench::OpenBareDialog(parent, vak::IDD_ENTRY, QStringLiteral("Příjmení64, Jméno64"), [](QListWidget& list) {
        for (int month = 0; month < 12; ++month)
            list.addItem(QString::fromStdString(vak::MonthName(month)));
        list.hide();
    });
}

void OpenEntryDialog(vak::CMainDlg& mainDlg, int p)
{
    const std::unique_ptr<vak::CEntryDlg> entry = mainDlg.NewEntryDialog(p);
    entry->show();
    WaitUntilShown(*entry);
    entry->reject();
}

bool WriteGroup(const std::string& path)
{
    vak::fixtures::GroupBuilder group;
    group.Group(1).Month(2);
    for (int p = 1; p <= PUBLISHERS; ++p) {
        group.AddPublisher({.firstName = "Jméno" + std::to_string(p), .surname = "Příjmení" + std::to_string(p),
                            .phones = {"602 111 " + std::to_string(100 + p), "", ""}, .appointment = p % 4});
        group.Publisher(p).Status(2, 0, p % 4).Report(2, 0, {.hours = p % 3 == 0 ? 12 : 0, .studies = p % 5,
                                                            .quarters = p % 4, .participation = p % 2 == 0});
    }
    return group.WriteTo(path);
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
    const auto mainWindow = vak::bench::OpenBenchGroup("bench_entry", dir, PUBLISHERS, WriteGroup);
    if (!mainWindow)
        return 1;
    vak::CMainDlg& mainDlg = mainWindow->Dlg();

    std::vector<double> bareTimes;
    std::vector<double> entryTimes;
    for (int run = -WARM_UP_RUNS; run < runs; ++run) {
        const int p = 1 + (run + WARM_UP_RUNS) % PUBLISHERS;
        const double bare = MillisecondsOf([&] { OpenBareDialog(mainDlg); });
        const double entry = MillisecondsOf([&] { OpenEntryDialog(mainDlg, p); });
        // Every opening reserves a note number; the table is kept from filling up.
        mainDlg.m_nNotes = 0;
        if (run >= 0) {
            bareTimes.push_back(bare);
            entryTimes.push_back(entry);
        }
    }
    const double bareMedian = Median(bareTimes);
    const double entryMedian = Median(entryTimes);
    std::printf("platform: %s, %d runs each, %d publishers\n", qgetenv("QT_QPA_PLATFORM").constData(), runs,
                PUBLISHERS);
    std::printf("bare QDialog, %zu plain controls: median %.2f ms to shown and closed\n",
                vak::FindDialogTemplate(vak::IDD_ENTRY)->controls.size(), bareMedian);
    std::printf("Vak entry dialog on a publisher: median %.2f ms to shown and closed\n", entryMedian);
    std::printf("ratio entry / bare: %.2f (budget 1.5)\n", entryMedian / bareMedian);
    return 0;
}
