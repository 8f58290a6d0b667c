// What xdg-email carries on its two ways of handing a message over: the URI whole, or
// Thunderbird's "-compose" text with the decoded addresses and path inside single quotes.
#include "mail/XdgMailRules.h"

#include <gtest/gtest.h>

namespace vak {
namespace {

TEST(XdgMailRules, AddressesCarriedOnEachRoute)
{
    struct Case {
        const char* address;
        bool uri;          // carried whole in the mailto: URI
        bool thunderbird;  // carried inside Thunderbird's quotes
    };
    const Case cases[] = {
        {"jan.novak@example.cz", true, true},
        {"jana+vak@mail.example.cz", true, true},
        {"věra.nová@příklad.cz", true, true},
        {"o'neil@example.ie", true, false},                  // would end the quoted list
        {"a%2Cspy%40evil.cz@x.cz", true, false},             // Thunderbird may decode it again
        {"a?cc=spy&b#c/d=e{f}@x.cz", true, true},            // all in the URI's percent-encoding
        {"a\\047,attachment=\\047/etc/passwd\\047,cc=\\047b@x.cz", false, false},
        {"a\\c@x.cz", false, false},                         // echo would cut the text there
        {"a,b@x.cz", false, false},                          // two recipients
        {"\"a b\"@x.cz", false, false},
        {"a b@x.cz", false, false},
        {"a\nbcc=spy@x.cz", false, false},
        {"a\xC2\x85@x.cz", false, false},                   // a C1 control character
        {"<a href=\"http://e.x/\">klik</a>@x.cz", false, false},
        {"a..b@x.cz", false, false},
        {".a@x.cz", false, false},
        {"a@x..cz", false, false},
        {"a@x_y.cz", false, false},
        {"a@b@x.cz", false, false},
        {"@x.cz", false, false},
        {"a@", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XdgCarriesAddress(c.address, XdgRoute::Uri), c.uri) << c.address;
        EXPECT_EQ(XdgCarriesAddress(c.address, XdgRoute::Thunderbird), c.thunderbird) << c.address;
    }
}

TEST(XdgMailRules, AttachmentPathsAndThePlainNamesOfTheirCopies)
{
    const std::pair<const char*, bool> paths[] = {
        {"/home/jana/Dokumenty/Zprávy skupiny/Skupina3.t19", true},
        {"/home/jana/sbor-2026_v1.1/~+/Skupina3.t19", true},
        {"/home/jana/o'brien/Skupina3.t19", false},
        {"/home/jana/a,b/Skupina3.t19", false},
        {"/home/jana/a\\047b/Skupina3.t19", false},
        {"/home/jana/a\nb/Skupina3.t19", false},
        {"/home/jana/\"x\"/Skupina3.t19", false},
        {"/home/jana/50%/Skupina3.t19", false},
        {"", false},
    };
    for (const auto& [path, carried] : paths)
        EXPECT_EQ(XdgCarriesPath(path), carried) << path;

    const std::pair<const char*, const char*> names[] = {
        {"Skupina3.t19", "Skupina3.t19"},
        {"Skupina Nováků.t19", "Skupina Nováků.t19"},
        {"o'brien, \\x.t19", "o_brien_ _x.t19"},
        {"a\xC2\x85" "b.t19", "a_b.t19"},
        {".t19", "_t19"},
        {"", "Vak"},
    };
    for (const auto& [name, plain] : names)
        EXPECT_EQ(PlainFileName(name), plain) << name;
}

} // namespace
} // namespace vak
