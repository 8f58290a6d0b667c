// libFuzzer target: loads arbitrary bytes as a group, draws the printed sheet and every preview
// page on a canvas that checks each call, runs the entry rules, the note layout and the mailto:
// URI over the group's texts, and checks the year overview's figures. A broken rule aborts,
// which libFuzzer reports.
#include "data/Cp1250.h"
#include "data/GroupData.h"
#include "data/YearOverview.h"
#include "entry/EntryRules.h"
#include "fuzz/FuzzedGroup.h"
#include "mail/MapiMessage.h"
#include "mail/XdgMailRules.h"
#include "print/ReportSheet.h"
#include "print/SheetRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return false;
        i += length;
    }
    return true;
}

// A device of `width` x `height` pixels at `dpi` that checks what is drawn on it: every text
// is whole UTF-8 and starts on the device, lines and clips lie on it, fonts have a size, and on
// a printer nothing is drawn outside a page.
class CheckingCanvas : public vak::Canvas {
public:
    CheckingCanvas(int dpi, int width, int height, bool printer)
        : m_dpi(dpi), m_width(width), m_height(height), m_printer(printer) {}

    int DpiX() const override { return m_dpi; }
    int DpiY() const override { return m_dpi; }
    vak::TextMetrics GetTextMetrics() const override { return {m_dpi / 6, m_dpi / 8}; }
    vak::FontSpec SelectFont(const vak::FontSpec& font) override
    {
        Check(font.stock != vak::StockFont::None || (font.points > 0 && font.points < 100));
        return std::exchange(m_font, font);
    }
    vak::Pen SelectPen(const vak::Pen& pen) override
    {
        Check(pen.width > 0 && pen.width < m_dpi);
        return std::exchange(m_pen, pen);
    }
    void SetTextAlign(vak::TextAlign) override {}
    void TextOut(int x, int y, std::string_view text) override
    {
        Drawing(x, y);
        Check(IsUtf8(text));
    }
    void Line(int x1, int y1, int x2, int y2) override
    {
        Drawing(x1, y1);
        Drawing(x2, y2);
    }
    void FillRect(int left, int top, int right, int bottom, vak::Rgb) override
    {
        Drawing(left, top);
        Check(left <= right && top <= bottom);
    }
    vak::Rgb BackgroundColor() const override { return {255, 255, 255}; }
    void SetClipRect(int left, int top, int right, int bottom) override
    {
        Drawing(left, top);
        Check(left <= right && top <= bottom);
    }
    void ResetClip() override {}
    void StartPage() override
    {
        Check(!m_onPage);
        m_onPage = true;
        ++pages;
    }
    void EndPage() override
    {
        Check(m_onPage);
        m_onPage = false;
    }

    int pages = 0;

private:
    void Drawing(int x, int y) const
    {
        Check(!m_printer || m_onPage);
        Check(x >= 0 && x <= m_width && y >= 0 && y <= m_height);
    }

    int m_dpi, m_width, m_height;
    bool m_printer;
    bool m_onPage = false;
    vak::FontSpec m_font = vak::FontSpec::Stock(vak::StockFont::DeviceDefault);
    vak::Pen m_pen;
};

void DrawSheetAndPreview(vak::CGroupData& group)
{
    vak::CReportSheet sheet(group, "cz", group.m_nMonth);
    // An A4 page at 600 dpi: 32 rows a page.
    CheckingCanvas paper(600, 4960, 7016, true);
    vak::PageLayout layout;
    vak::CReportSheet::MeasurePage(paper, layout);
    layout.strHeading1 = vak::SheetHeading(group.m_nMonth);
    sheet.PrintSheet(paper, layout);
    Check(paper.pages == std::max(1, (group.m_nPublishers + 31) / 32));

    // The pane paints the strip of a few pixels below its height.
    constexpr int WIDTH = 766, HEIGHT = 346, STRIP = 8;
    CheckingCanvas pane(96, WIDTH, HEIGHT + STRIP, false);
    for (int first = 0; first == 0 || first < group.m_nPublishers; first += vak::PREVIEW_ROWS)
        sheet.PaintPreviewPage(0, 0, WIDTH, HEIGHT, pane, first, std::min<int>(first + vak::PREVIEW_ROWS, group.m_nPublishers));
}

void RunEntryRules(const std::string& text, const std::string& name)
{
    const vak::HoursValue hours = vak::ParseHoursText(vak::NormalizeHoursText(text));
    Check(hours.hours <= vak::WORD_MAX && hours.quarters <= 3);
    const vak::HoursValue again = vak::ParseHoursText(vak::FormatHoursText(hours.hours, hours.quarters));
    Check(again.hours == hours.hours && again.quarters == hours.quarters);
    const vak::CountValue count = vak::ValidateCount(text, 0, 999);
    Check(count.check != vak::CountCheck::Ok || count.value <= 999);
    const std::string note = vak::StoredNoteText(vak::WithoutControlCharacters(text));
    Check(IsUtf8(note) && vak::Cp1250Length(note) <= 36 && (note.empty() || note.front() != ' '));
    Check(std::none_of(note.begin(), note.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
    const vak::CreditValue credit = vak::ComputeCredit(hours.hours, static_cast<std::uint8_t>(text.size()), note);
    Check(IsUtf8(credit.note) && IsUtf8(credit.label));
    Check(IsUtf8(vak::BuildWarning({.shownMonth = 1, .reportMonth = 2, .alreadyReported = hours.hours > 0, .publisherName = name}).text));
    if (const auto printed = vak::LayoutPrintedNote(text))
        Check(IsUtf8(printed->line1) && IsUtf8(printed->line2));
}

int HexValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string PercentDecoded(std::string_view text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        Check(i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0);
        decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
        i += 2;
    }
    return decoded;
}

// The URI holds only URI characters, and its recipient part decodes to the addresses given.
void CheckMailto(const std::vector<std::string>& addresses, const std::string& subject, const std::string& body)
{
    vak::MapiMessage message;
    std::string expected;
    for (const std::string& address : addresses) {
        message.recipients.push_back({vak::MAPI_TO, address, "SMTP:" + address});
        const std::string plain = vak::PlainAddress(message.recipients.back());
        if (!plain.empty())
            expected += (expected.empty() ? "" : ",") + plain;
        // An address Thunderbird is given can neither end its quoted list nor be split.
        if (vak::XdgCarriesAddress(plain, vak::XdgRoute::Thunderbird))
            Check(plain.find_first_of("'\\,\" \t\r\n") == std::string::npos);
    }
    message.subject = subject;
    message.noteText = body;
    const std::string uri = vak::MailtoUri(message);
    Check(uri.starts_with("mailto:"));
    for (const char c : uri)
        Check((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              std::string_view("-._~%@,?&=:").find(c) != std::string_view::npos);
    const std::size_t query = uri.find('?');
    std::string recipients;
    std::size_t start = 7;
    const std::string_view part = std::string_view(uri).substr(start, query == std::string::npos ? std::string::npos : query - start);
    for (std::size_t from = 0; from <= part.size();) {
        const std::size_t comma = std::min(part.find(',', from), part.size());
        recipients += (from == 0 ? "" : ",") + PercentDecoded(part.substr(from, comma - from));
        from = comma + 1;
    }
    Check(recipients == expected);
}

// The year overview stays within what twelve months of 16-bit words can hold: no count beyond
// its months or publishers, no sum that wrapped, no cell both reported and missing.
void CheckYearOverview(const vak::CGroupData& group)
{
    constexpr long MOST_QUARTERS_A_MONTH = 65535L * 4 + 4;
    const vak::YearOverview overview = vak::ComputeYearOverview(group);
    Check(overview.publishers.size() == group.m_nPublishers);
    Check(overview.serviceYearMonths >= 1 && overview.serviceYearMonths <= vak::OVERVIEW_MONTHS);
    for (const vak::YearColumn& column : overview.columns)
        Check(column.reported >= 0 && column.reported <= group.m_nPublishers && column.slot >= 0 && column.slot <= 1);
    for (const vak::YearRow& row : overview.publishers) {
        Check(IsUtf8(row.name) && row.missingLast6 >= 0 && row.missingLast6 <= vak::OVERVIEW_RECENT);
        Check(row.serviceYearReported >= 0 && row.serviceYearReported <= overview.serviceYearMonths);
        Check(row.serviceYearQuarters >= 0 &&
              row.serviceYearQuarters <= overview.serviceYearMonths * MOST_QUARTERS_A_MONTH);
        for (const vak::YearCell& cell : row.cells) {
            Check(!(cell.reported && cell.missing) && cell.status >= 0 && cell.status <= 3);
            Check(cell.hoursQuarters >= 0 && cell.hoursQuarters <= MOST_QUARTERS_A_MONTH && cell.studies <= 1023);
            Check(IsUtf8(vak::YearCellText(cell)));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vak::fuzz::FuzzedGroup fuzzed(std::span(data, size));
    vak::CGroupData& group = fuzzed.group;
    if (!group.m_bLoaded)
        return 0;
    DrawSheetAndPreview(group);
    CheckYearOverview(group);
    std::vector<std::string> addresses;
    std::string note;
    for (int p = 1; p <= group.m_nPublishers; ++p) {
        const std::string name = group.GetSurname(p) + ", " + group.GetFirstName(p);
        group.GetNote(p, group.m_nMonth, group.m_nYearSlot, note);
        // The texts the entry rules meet: the note, and the name in the warning.
        for (const std::string& text : {note, name})
            RunEntryRules(text, name);
        addresses.push_back(group.GetEmail(p));
        CheckMailto({group.GetEmail(p)}, name, note);
    }
    CheckMailto(addresses, group.m_strSecretaryMail, note);
    return 0;
}
