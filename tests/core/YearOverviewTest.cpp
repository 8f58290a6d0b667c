// The year overview on small groups whose figures were worked out by hand: which year each
// month of the window is read from, the cells, the last six months and the service year.
#include "data/GroupData.h"
#include "data/YearOverview.h"
#include "fixtures/GroupBuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace vak {
namespace {

using fixtures::GroupBuilder;

// January 2025 (slot 1): the window runs from February 2024 (slot 0) to January 2025 (slot 1),
// the service year from September 2024, the last six months from August 2024.
GroupBuilder JanuaryGroup()
{
    GroupBuilder group;
    group.Group(5).Month(0);
    // A publisher who became a regular pioneer in September: 50.5 + 52 + 49 + 50 + 51.25 hours.
    auto adam = group.AddPublisher({"Adam", "Beneš"});
    for (int m = 1; m <= 7; ++m)
        adam.Report(m, 0, {.studies = 1, .participation = true});
    for (int m = 8; m <= 11; ++m)
        adam.Status(m, 0, 2);
    adam.Status(0, 1, 2)
        .Report(8, 0, {.hours = 50, .quarters = 2})
        .Report(9, 0, {.hours = 52})
        .Report(10, 0, {.hours = 48, .quarters = 4})
        .Report(11, 0, {.hours = 50, .studies = 3})
        .Report(0, 1, {.hours = 51, .studies = 2, .quarters = 1, .participation = true})
        .Report(0, 0, {.hours = 30})                // January 2024: before the window
        .Report(11, 1, {.hours = 70}).Status(11, 1, 3);  // December 2023: not this December
    // Stopped reporting in August; January has a note and no report.
    auto bela = group.AddPublisher({"Běla", "Cibulková"});
    for (int m = 1; m <= 6; ++m)
        bela.Report(m, 0, {.participation = true});
    bela.Note(0, 1, "nemocná");
    // Everything in the decoy slot 2, which the program never reads.
    auto eva = group.AddPublisher({"Eva", "Malá"});
    for (int m = 0; m < 12; ++m)
        eva.Report(m, 2, {.hours = 40, .participation = true}).Status(m, 2, 3);
    // The most a month can hold, from September on; status bytes with their upper bits set.
    auto ivo = group.AddPublisher({"Ivo", "Dolejš"});
    for (int m = 8; m <= 11; ++m)
        ivo.Report(m, 0, {.hours = 65535, .quarters = 3});
    ivo.Report(0, 1, {.hours = 65535, .quarters = 4}).Status(11, 0, 0xFE).Status(0, 1, 0xFD);
    return group;
}

// September 2025 (slot 1): the window runs from October 2024 (slot 0) to September 2025, the
// service year is September alone, the last six months run from April.
GroupBuilder SeptemberGroup()
{
    GroupBuilder group;
    group.Group(5).Month(8);
    auto adam = group.AddPublisher({"Adam", "Beneš"});
    for (int m = 9; m <= 11; ++m)
        adam.Report(m, 0, {.hours = 60}).Status(m, 0, 2);
    for (int m = 0; m <= 7; ++m)
        adam.Report(m, 1, {.hours = 60}).Status(m, 1, 2);
    adam.Report(8, 1, {.hours = 61, .quarters = 3}).Status(8, 1, 2)
        .Report(8, 0, {.hours = 70});  // September 2024: last service year's
    // An auxiliary pioneer in March; nothing from April to June, a zero report (note) in July.
    auto bela = group.AddPublisher({"Běla", "Cibulková"});
    for (int m = 9; m <= 11; ++m)
        bela.Report(m, 0, {.participation = true});
    for (int m : {0, 1, 7})
        bela.Report(m, 1, {.participation = true});
    bela.Report(2, 1, {.hours = 30, .participation = true}).Status(2, 1, 1).Note(6, 1, "0");
    return group;
}

struct ExpectedRow {
    const char* cells;     // what each cell shows, "-" for a missing report
    const char* statuses;  // the pioneer status of each month
    int missingLast6;
    double serviceYearHours;
    int serviceYearReported;
};

struct Case {
    const char* name;
    std::function<GroupBuilder()> build;
    CivilDate today;
    const char* columns;  // month/year, "*" where the heading names the year
    std::vector<ExpectedRow> rows;
    std::array<int, 12> reported;
};

std::string Columns(const YearOverview& overview)
{
    std::string text;
    for (const YearColumn& column : overview.columns) {
        text += text.empty() ? "" : " ";
        text += std::to_string(column.month + 1) + "/" + std::to_string(column.year % 100);
        text += column.showsYear ? "*" : "";
    }
    return text;
}

std::string Cells(const YearRow& row)
{
    std::string text;
    for (const YearCell& cell : row.cells) {
        text += text.empty() ? "" : "|";
        text += cell.missing ? "-" : YearCellText(cell);
    }
    return text;
}

std::string Statuses(const YearRow& row)
{
    std::string text;
    for (const YearCell& cell : row.cells)
        text += std::to_string(cell.status);
    return text;
}

TEST(YearOverview, WindowCellsLastSixMonthsAndServiceYear)
{
    const Case cases[] = {
        {"January", JanuaryGroup, {2025, 2, 10},
         "2/24* 3/24 4/24 5/24 6/24 7/24 8/24 9/24 10/24 11/24 12/24 1/25*",
         {{"Ano|Ano|Ano|Ano|Ano|Ano|Ano|50|52|49|50|51", "000000022222", 0, 252.75, 5},
          {"Ano|Ano|Ano|Ano|Ano|Ano|-|-|-|-|-|", "000000000000", 5, 0, 0},
          {"-|-|-|-|-|-|-|-|-|-|-|-", "000000000000", 6, 0, 0},
          {"-|-|-|-|-|-|-|65535|65535|65535|65535|65536", "000000000021", 1, 327679, 5}},
         {2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2}},
        {"September", SeptemberGroup, {2025, 10, 10},
         "10/24* 11/24 12/24 1/25* 2/25 3/25 4/25 5/25 6/25 7/25 8/25 9/25",
         {{"60|60|60|60|60|60|60|60|60|60|60|61", "222222222222", 0, 61.75, 1},
          {"Ano|Ano|Ano|Ano|Ano|30|-|-|-||Ano|-", "000001000000", 4, 0, 0}},
         {2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 2, 1}},
        {"no publisher", [] { GroupBuilder empty; empty.Month(0); return empty; }, {2025, 2, 10},
         "2/24* 3/24 4/24 5/24 6/24 7/24 8/24 9/24 10/24 11/24 12/24 1/25*", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMessageSink messages;
        CGroupData group(messages);
        group.InitReportMonth(c.today);
        ASSERT_TRUE(group.LoadGroupBytes(c.build().Bytes(), "g.t09"));
        const YearOverview overview = ComputeYearOverview(group);
        EXPECT_EQ(Columns(overview), c.columns);
        ASSERT_EQ(overview.publishers.size(), c.rows.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const YearRow& row = overview.publishers[i];
            SCOPED_TRACE(row.name);
            EXPECT_EQ(Cells(row), c.rows[i].cells);
            EXPECT_EQ(Statuses(row), c.rows[i].statuses);
            EXPECT_EQ(row.missingLast6, c.rows[i].missingLast6);
            EXPECT_EQ(row.serviceYearQuarters, static_cast<long>(c.rows[i].serviceYearHours * 4));
            EXPECT_EQ(row.serviceYearReported, c.rows[i].serviceYearReported);
        }
        for (std::size_t i = 0; i < c.reported.size(); ++i)
            EXPECT_EQ(overview.columns[i].reported, c.reported[i]) << "column " << i;
    }
}

} // namespace
} // namespace vak
