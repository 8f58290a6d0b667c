// JSON rendering of a loaded group for vak-cli.
#include "cli/GroupJson.h"

#include "cli/JsonWriter.h"
#include "data/Cp1250.h"
#include "data/PublisherName.h"

#include <cstdio>

namespace vak {

namespace {

void WriteMonthSlot(JsonWriter& json, CGroupData& group, int p, int m, int s)
{
    const std::uint16_t field4 = group.GetField4Word(p, m, s);
    std::string note;
    group.GetNote(p, m, s, note);
    json.Open('{');
    json.Member("publications", long{group.GetMonthValue(p, m, s, FIELD_PUBLICATIONS)});
    json.Member("videos", long{group.GetMonthValue(p, m, s, FIELD_VIDEOS)});
    json.Member("hours", long{group.GetMonthValue(p, m, s, FIELD_HOURS)});
    json.Member("return_visits", long{group.GetMonthValue(p, m, s, FIELD_RETURN_VISITS)});
    json.Member("studies", long{group.GetMonthValue(p, m, s, FIELD_STUDIES)});
    json.Member("participation", (field4 & PARTICIPATION_BIT) != 0);
    json.Member("quarters", long{field4 >> QUARTERS_SHIFT});
    json.Member("status", long{group.GetPioneerStatus(p, m, s)});
    json.Member("note_number", long{group.GetNoteSlot(p, m, s)});
    json.Member("note", std::string_view(note));
    json.Member("credit", long{group.GetCredit(p, m, s)});
    json.Member("has_report", group.HasReport(p, m, s));
    json.Member("missing", group.IsReportMissing(p, m, s));
    json.Close('}');
}

void WritePublisher(JsonWriter& json, CGroupData& group, int p)
{
    json.Open('{');
    json.Member("number", long{p});
    json.Member("first_name", std::string_view(group.GetFirstName(p)));
    json.Member("surname", std::string_view(group.GetSurname(p)));
    json.Member("email", std::string_view(group.GetEmail(p)));
    json.Key("phones");
    json.Open('[');
    for (int i = 0; i < 3; ++i)
        json.Value(std::string_view(group.GetPhone(p, i)));
    json.Close(']');
    json.Member("list_name", std::string_view(FormatPublisherName(group.GetFirstName(p), group.GetSurname(p), NameForm::List, "")));
    json.Member("group", long{group.GetPublisherGroup(p)});
    json.Member("appointment", long{group.GetAppointment(p)});
    json.Key("late");
    json.Open('[');
    for (int m = 0; m < MONTHS; ++m)
        json.Value(group.HasLateMark(p, m));
    json.Close(']');
    json.Key("months");
    json.Open('[');
    for (int m = 0; m < MONTHS; ++m) {
        json.Open('[');
        for (int s = 0; s < 2; ++s)
            WriteMonthSlot(json, group, p, m, s);
        json.Close(']');
    }
    json.Close(']');
    json.Close('}');
}

void AppendEscapedControl(std::string& out, unsigned code)
{
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
    out += escaped;
}

std::string NoteText(const CGroupData& group, int n)
{
    const auto* note = reinterpret_cast<const char*>(group.NoteRecord(n));
    std::size_t length = 0;
    while (length < NOTE_SIZE && note[length] != '\0')
        ++length;
    return Cp1250ToUtf8(std::string_view(note, length));
}

} // namespace

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const auto c = static_cast<unsigned char>(ch);
        const unsigned next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            // A C1 control character (from the five undefined Windows-1250 bytes).
            AppendEscapedControl(out, next);
            ++i;
        } else if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7F) {
            AppendEscapedControl(out, c);
        } else {
            out += ch;
        }
    }
    out += '"';
    return out;
}

std::string GroupToJson(CGroupData& group)
{
    JsonWriter json;
    json.Open('{');
    const std::uint8_t* header = group.m_bLoaded ? group.Record(0) : nullptr;
    json.Member("group", long{header ? header[HDR_GROUP] : 0});
    json.Member("month", long{header ? header[HDR_MONTH] : 0});
    json.Member("publishers_count", long{group.m_nPublishers});
    json.Member("notes_count", long{group.m_nNotes});
    json.Member("secretary", std::string_view(group.m_strSecretaryMail));
    json.Key("publishers");
    json.Open('[');
    for (int p = 1; p <= group.m_nPublishers; ++p)
        WritePublisher(json, group, p);
    json.Close(']');
    json.Key("notes");
    json.Open('[');
    for (int n = 0; n < group.m_nNotes; ++n)
        json.Value(std::string_view(NoteText(group, n)));
    json.Close(']');
    json.Close('}');
    return json.Take() + "\n";
}

} // namespace vak
