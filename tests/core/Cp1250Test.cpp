// Windows-1250 conversion, cross-checked against the C library's iconv.
#include "data/Cp1250.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace vak {
namespace {

// The byte converted by iconv, or "" when iconv does not define it.
std::string IconvCp1250(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "iconv-missing";
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1))
        return "";
    return std::string(out, sizeof out - outLeft);
}

TEST(Cp1250, DefinedBytesMatchIconvAndTheFiveUndefinedOnesAreC1Controls)
{
    int defined = 0;
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string expected = IconvCp1250(static_cast<unsigned char>(b));
        const std::string utf8 = Cp1250ToUtf8(byte);
        if (expected.empty()) {
            const std::string c1 = {static_cast<char>(0xC2), static_cast<char>(b)};
            EXPECT_EQ(utf8, c1) << "byte " << b;
        } else {
            EXPECT_EQ(utf8, expected) << "byte " << b;
            ++defined;
        }
        EXPECT_EQ(Utf8ToCp1250(utf8), byte) << "byte " << b;
    }
    EXPECT_EQ(defined, 250);  // 251 defined bytes, less byte 0 which is not a text character
}

TEST(Cp1250, ComposesAccentsAndReplacesWhatItCannotStore)
{
    EXPECT_EQ(Utf8ToCp1250("Z\xCC\x8C" "a\xCC\x81k"), "\x8E\xE1k");  // Z + caron, a + acute
    EXPECT_EQ(Utf8ToCp1250("ñ ß €"), "? \xDF \x80");
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xFF" "b\xC3"), "a?b?");  // malformed UTF-8
    EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80"), "???");   // an encoded surrogate is no character
    EXPECT_EQ(Cp1250Length("Dvořáková"), 9u);
}

} // namespace
} // namespace vak
