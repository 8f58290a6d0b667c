// vak-cli: dumps a group file as JSON, rewrites it, exports its report sheet as PDF, lists the
// month's missing reports and totals and shows the group's last twelve months, for scripting and
// support.
#include "cli/CommandLine.h"
#include "cli/GroupJson.h"
#include "cli/MonthCommands.h"
#include "cli/SheetArguments.h"
#include "cli/SheetPdf.h"
#include "data/FilePath.h"
#include "data/GroupData.h"
#include "data/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

enum ExitStatus { EXIT_OK = 0, EXIT_USAGE = 1, EXIT_READ = 2, EXIT_WRITE = 3 };

constexpr const char* USAGE =
    "Usage:\n"
    "  vak-cli dump FILE       print the group file FILE (.t09 or .t19) as JSON on stdout\n"
    "  vak-cli save IN OUT     load the group file IN and write it to OUT as the program saves it\n"
    "  vak-cli sheet FILE --pdf OUT [--month M] [--date YYYY-MM-DD]\n"
    "                          write the printed report sheet of FILE as the PDF file OUT\n"
    "  vak-cli missing FILE [--month M] [--date YYYY-MM-DD] [--json]\n"
    "                          list the publishers whose report of the month is missing\n"
    "  vak-cli summary FILE [--month M] [--date YYYY-MM-DD] [--json]\n"
    "                          print the month's totals of the group\n"
    "  vak-cli year FILE [--month M] [--date YYYY-MM-DD] [--json]\n"
    "                          print every publisher's twelve months up to the report month\n"
    "  vak-cli --help          show this text\n"
    "\n"
    "dump prints one JSON document (UTF-8): the header values (group, month, publishers_count,\n"
    "notes_count, secretary: the secretary's address, or \"\" when it is not valid), every\n"
    "publisher with names, e-mail, telephones, list name, group, appointment, late marks and,\n"
    "for each month 0..11, both year slots with their values, note, credit and report state,\n"
    "and the note table. No clock rule is applied.\n"
    "save refuses a group of fewer than 2 publishers, as the program does; save and sheet refuse\n"
    "an input without any publisher (an empty or truncated file) as an input problem. A file too\n"
    "short to hold all its records is not an error: the missing part reads as zeros. Only regular\n"
    "files are read. A symbolic link at OUT is replaced, never written through (unless OUT is\n"
    "IN itself, which is written where its link leads, as Vak writes the group file).\n"
    "sheet prints the report month of FILE (or month M, 1 = January .. 12 = December) in the\n"
    "year the program would give it on the day of --date (today by default): the latest year in\n"
    "which that month is not after the day's month. It needs no display.\n"
    "missing, summary and year choose the month and year as sheet does and print what the\n"
    "program's dialogs show, or with --json: missing an array of {publisher, name, email (null\n"
    "without a usable address), phones}; summary {month, year, form, publishers, reported,\n"
    "missing, by_status: {publisher, auxiliary, regular, special}, late: [{month, reports}]}.\n"
    "year shows the report month and the eleven before it (the months after the report month\n"
    "in the year before): each month's whole hours, \"Ano\" for taking part without hours and\n"
    "\"-\" for a missing report (a note alone is a zero report, not missing), the missing months\n"
    "among the last six, the hours of the service year (September up to the report month) and\n"
    "each month's count of reports; --json gives {month, year, months: [{month, year}] (oldest\n"
    "first), publishers: [{publisher, name, cells: [{reported, missing, hours, participated,\n"
    "studies, status}] (as months), missing_last_6, service_year: {hours, reported}}],\n"
    "reported: [the count of reports of each month]}, status one of publisher, auxiliary,\n"
    "regular, special.\n"
    "\n"
    "Exit status: 0 success, 1 wrong usage, 2 the file cannot be read or is not a valid group\n"
    "file, 3 the file cannot be written or writing was refused. The reason goes to stderr.\n";

constexpr const char* PREFIX = "vak-cli: ";

int Usage(const std::string& problem)
{
    if (!problem.empty())
        std::cerr << PREFIX << problem << "\n\n";
    std::cerr << USAGE;
    return EXIT_USAGE;
}

// Loads `path`; on failure prints why and returns false. A refused file has had its message
// printed by the group already.
bool Load(vak::CGroupData& group, const std::string& path)
{
    group.LoadGroupFile(path);
    if (group.m_loadStatus == vak::LoadStatus::NotOpened)
        std::cerr << PREFIX << "cannot read " << path << ": " << group.m_loadError.message() << ".\n";
    return group.m_loadStatus == vak::LoadStatus::Loaded;
}

// Loads `path` for a command that needs publishers: a group without any is an input problem.
bool LoadPublishers(vak::CGroupData& group, const std::string& path)
{
    if (!Load(group, path))
        return false;
    if (group.m_nPublishers == 0)
        std::cerr << PREFIX << path << " holds no publishers (an empty or truncated group file).\n";
    return group.m_nPublishers != 0;
}

// Writes `text` to standard output; says why when that fails (a full disk, a closed pipe).
int PrintToStdout(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (written)
        return EXIT_OK;
    std::cerr << PREFIX << "cannot write to standard output: " << std::strerror(errno) << ".\n";
    return EXIT_WRITE;
}

int Dump(const std::string& path)
{
    vak::StderrMessageSink messages(PREFIX);
    vak::CGroupData group(messages);
    if (!Load(group, path))
        return EXIT_READ;
    return PrintToStdout(vak::GroupToJson(group));
}

int Save(const std::string& in, const std::string& out)
{
    vak::StderrMessageSink messages(PREFIX);
    vak::CGroupData group(messages);
    if (!LoadPublishers(group, in))
        return EXIT_READ;
    if (group.m_nPublishers < 2) {
        std::cerr << PREFIX << "cannot write " << out << ": " << in
                  << " holds one publisher, and a group of fewer than 2 is not saved.\n";
        return EXIT_WRITE;
    }
    std::error_code reason;
    if (group.WriteGroupFile(out, &reason))
        return EXIT_OK;
    std::cerr << PREFIX << "cannot write " << out << ": " << reason.message() << ".\n";
    return EXIT_WRITE;
}

// Runs `work` on the group file the arguments name, loaded at the month they choose: the file's,
// or --month, in the year the program would give it on the day of --date. `problem` is what
// parsing the arguments found wrong, if anything.
int OnGroupAtMonth(const std::string& problem, const vak::SheetOptions& options,
                   const std::function<int(vak::CGroupData&)>& work)
{
    if (!problem.empty())
        return Usage(problem);
    vak::StderrMessageSink messages(PREFIX);
    vak::CGroupData group(messages);
    group.InitReportMonth(options.today);
    if (!LoadPublishers(group, options.groupFile))
        return EXIT_READ;
    if (options.month)
        group.ApplyFileMonth(*options.month);
    return work(group);
}

// The sheet of the loaded group as the PDF file `out`.
int WriteSheet(vak::CGroupData& group, const std::string& groupFile, const std::string& out)
{
    if (vak::IsSameFile(groupFile, out)) {
        std::cerr << PREFIX << "cannot write " << out << ": it is the group file itself.\n";
        return EXIT_WRITE;
    }
    std::vector<std::uint8_t> pdf;
    if (!vak::DrawSheetPdf(group, pdf)) {
        std::cerr << PREFIX << "the sheet could not be drawn.\n";
        return EXIT_WRITE;
    }
    // A folder, a device or a pipe is refused, never replaced by the PDF; a link at the name is.
    std::error_code reason;
    if (!vak::WriteFileSafely(out, pdf, &reason, vak::LinkAtName::Replace)) {
        std::cerr << PREFIX << "cannot write " << out << ": " << reason.message() << ".\n";
        return EXIT_WRITE;
    }
    return EXIT_OK;
}

int Sheet(const std::vector<std::string>& args)
{
    vak::SheetOptions options;
    const std::string problem = vak::ParseSheetArguments(args, vak::LocalToday(), options);
    if (problem.empty() && !vak::CanDrawSheetPdf())
        return Usage("this vak-cli was built without Qt and cannot draw the sheet.");
    return OnGroupAtMonth(problem, options,
                          [&](vak::CGroupData& group) { return WriteSheet(group, options.groupFile, options.pdfFile); });
}

// What `missing`, `summary` and `year` print for the group at its month.
std::string MonthCommandOutput(const std::string& command, const vak::CGroupData& group, bool json)
{
    if (command == "missing")
        return vak::MissingOutput(group, json);
    if (command == "summary")
        return vak::SummaryOutput(group, json);
    return vak::YearOutput(group, json);
}

// `missing`, `summary` and `year`.
int MonthCommand(const std::string& command, const std::vector<std::string>& args)
{
    vak::SheetOptions options;
    const std::string problem = vak::ParseMonthArguments(command, args, vak::LocalToday(), options);
    return OnGroupAtMonth(problem, options, [&](vak::CGroupData& group) {
        return PrintToStdout(MonthCommandOutput(command, group, options.json));
    });
}

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

} // namespace

int main(int argc, char** argv)
{
    vak::IgnoreFileSizeSignal();
    const std::vector<std::string> args = CommandArguments(argc, argv);
    // "--help" asks for help wherever it stands ("dump --help" is no file to dump).
    if (!args.empty() && std::any_of(args.begin(), args.end(), IsHelp)) {
        std::cout << USAGE;
        return EXIT_OK;
    }
    if (args.empty())
        return Usage("no command given.");
    if (args[0] == "dump")
        return args.size() == 2 ? Dump(args[1]) : Usage("dump takes one file.");
    if (args[0] == "save")
        return args.size() == 3 ? Save(args[1], args[2]) : Usage("save takes an input and an output file.");
    if (args[0] == "sheet")
        return Sheet({args.begin() + 1, args.end()});
    if (args[0] == "missing" || args[0] == "summary" || args[0] == "year")
        return MonthCommand(args[0], {args.begin() + 1, args.end()});
    return Usage("unknown command \"" + args[0] + "\".");
}
