// What xdg-email can carry to a mail composer without letting a text become another field, a
// recipient or an attachment. It passes the mailto: URI whole to a `mailto:` handler, to
// $MAILER, to xdg-email-hook.sh and to the KDE, GNOME and Xfce openers, but gives Thunderbird
// (and Icedove) a "-compose" text in which the decoded addresses and the attachment path stand
// inside single quotes after going through the shell's `echo`, which expands backslashes.
#pragma once

#include <string>
#include <string_view>

namespace vak {

// How the composer receives the message.
enum class XdgRoute {
    Uri,          // the percent-encoded mailto: URI, unchanged
    Thunderbird,  // decoded into Thunderbird's "-compose" text
};

// A plain address: "local@domain", the local part letters, digits and !#$%&'*+/=?^_`{|}~-
// in dot-separated runs, the domain letters, digits and "-" in dot-separated labels (UTF-8
// letters allowed in both). Quotes, backslashes, commas, spaces and control characters are not.
bool IsPlainAddress(std::string_view address);

// Whether `address` reaches the composer as one recipient on `route`: a plain address, and on
// the Thunderbird route without an apostrophe (it would end the quoted list) or a "%" (which
// Thunderbird may decode again).
bool XdgCarriesAddress(std::string_view address, XdgRoute route);

// Whether xdg-email hands the file at the absolute path `path` to every composer as it is:
// only letters (also UTF-8), digits, blanks and "/._-+~". A backslash would be expanded by
// `echo`, a line break split the path, a quote or comma end Thunderbird's attachment field.
bool XdgCarriesPath(std::string_view path);

// `name` with every character XdgCarriesPath does not take replaced by "_" ("a'b,c.t19" gives
// "a_b_c.t19"); a name left empty or hidden gets a plain one.
std::string PlainFileName(std::string_view name);

} // namespace vak
