// Start-up of Vak against a bare Qt dialog: each run starts a fresh process that shows either
// the main window on a 127-publisher group or a plain dialog with a 127-line list, and reports
// back when its window is on screen. Prints the median times, their ratio and the peak memory.
//
//   bench_startup [RUNS]        (default 15 runs of each, on the offscreen platform unless
//                                QT_QPA_PLATFORM is set)
#include "BenchWindows.h"

#include "fixtures/GroupBuilder.h"
#include "ui/AppIcon.h"
#include "ui/ListBox.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int PUBLISHERS = 127;

// Peak resident memory of this process in kB.
long PeakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

using vak::bench::WaitUntilShown;

void ReportReady()
{
    std::printf("ready %ld\n", PeakRssKb());
    std::fflush(stdout);
}

std::string ListName(int p)
{
    return "Příjmení" + std::to_string(p) + ", Jméno" + std::to_string(p);
}

int RunBareDialog(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Zprávy z kazatelské služby"));
    auto* list = new QListWidget(&dialog);
    list->setGeometry(15, 16, 177, 226);
    for (int p = 1; p <= PUBLISHERS; ++p)
        list->addItem(QString::fromStdString(ListName(p)));
    list->setCurrentRow(0);
    dialog.resize(480, 346);
    dialog.show();
    WaitUntilShown(dialog);
    ReportReady();
    return 0;
}

// The start of the program as Vak runs it, up to its filled main window on screen.
int RunVak(int argc, char** argv, const char* groupFile, const char* settingsFile)
{
    QApplication app(argc, argv);
    app.setWindowIcon(vak::ApplicationIcon());
    vak::bench::ShownMainWindow mainWindow(groupFile, settingsFile, vak::LocalToday());
    if (mainWindow.Dlg().PublisherList()->count() != PUBLISHERS) {
        std::fprintf(stderr, "bench_startup: the group was not listed\n");
        return 1;
    }
    ReportReady();
    return 0;
}

struct ChildResult {
    double milliseconds = 0;
    long peakRssKb = 0;
};

// Starts this program with `args` and measures the time until it reports its window shown.
bool RunChild(const std::string& self, const std::vector<std::string>& args, ChildResult& result)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

    std::vector<char*> argv{const_cast<char*>(self.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        return false;
    }
    char line[128] = {};
    std::size_t used = 0;
    while (used + 1 < sizeof line) {
        const ssize_t got = ::read(pipeFds[0], line + used, 1);
        if (got <= 0 || line[used] == '\n')
            break;
        ++used;
    }
    const auto ready = std::chrono::steady_clock::now();
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (std::strncmp(line, "ready ", 6) != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    result.milliseconds = std::chrono::duration<double, std::milli>(ready - start).count();
    result.peakRssKb = std::atol(line + 6);
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int RunParent(const std::string& self, int runs)
{
    QTemporaryDir dir;
    const std::string groupFile = dir.filePath(QStringLiteral("Skupina127.t09")).toStdString();
    const std::string settingsFile = dir.filePath(QStringLiteral("Vak.ini")).toStdString();
    vak::fixtures::GroupBuilder group;
    group.Group(1).Month(2);
    for (int p = 1; p <= PUBLISHERS; ++p) {
        group.AddPublisher({.firstName = "Jméno" + std::to_string(p), .surname = "Příjmení" + std::to_string(p),
                            .email = "zvestovatel" + std::to_string(p) + "@example.cz",
                            .phones = {"602 111 " + std::to_string(100 + p), "", ""}});
        if (p % 3 == 0)
            group.Publisher(p).Report(2, 0, {.hours = 4});
    }
    if (!group.WriteTo(groupFile)) {
        std::fprintf(stderr, "bench_startup: cannot write %s\n", groupFile.c_str());
        return 1;
    }

    std::vector<double> bareTimes;
    std::vector<double> vakTimes;
    long bareRss = 0;
    long vakRss = 0;
    for (int run = 0; run < runs; ++run) {
        ChildResult bare;
        ChildResult vakRun;
        if (!RunChild(self, {"--child-bare"}, bare) ||
            !RunChild(self, {"--child-vak", groupFile, settingsFile}, vakRun)) {
            std::fprintf(stderr, "bench_startup: a child process failed\n");
            return 1;
        }
        bareTimes.push_back(bare.milliseconds);
        vakTimes.push_back(vakRun.milliseconds);
        bareRss = std::max(bareRss, bare.peakRssKb);
        vakRss = std::max(vakRss, vakRun.peakRssKb);
    }
    const double bareMedian = Median(bareTimes);
    const double vakMedian = Median(vakTimes);
    std::printf("platform: %s, %d runs each, %d publishers\n", qgetenv("QT_QPA_PLATFORM").constData(), runs,
                PUBLISHERS);
    std::printf("bare Qt dialog, 127-line list: median %.1f ms to shown, peak RSS %.1f MB\n", bareMedian,
                static_cast<double>(bareRss) / 1024.0);
    std::printf("Vak main window, 127 publishers: median %.1f ms to shown, peak RSS %.1f MB\n", vakMedian,
                static_cast<double>(vakRss) / 1024.0);
    std::printf("ratio Vak / bare: %.2f (budget 1.5), Vak peak RSS budget 40 MB: %s\n", vakMedian / bareMedian,
                vakRss < 40 * 1024 ? "kept" : "EXCEEDED");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 2 && std::strcmp(argv[1], "--child-bare") == 0)
        return RunBareDialog(1, argv);
    if (argc >= 4 && std::strcmp(argv[1], "--child-vak") == 0) {
        int appArgc = 1;
        return RunVak(appArgc, argv, argv[2], argv[3]);
    }
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    char self[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return 1;
    return RunParent(std::string(self, static_cast<std::size_t>(length)), runs);
}
