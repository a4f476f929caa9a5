// Which encoding a file's bytes are read in.
#include <gtest/gtest.h>

#include "objlib/TextEncoding.h"

namespace {

TEST(TextEncodingTest, AFileIsUtf8ByItsMarkOrByValidNonAsciiBytes) {
    struct Case {
        const char* name;
        std::string text;
        TextEncoding expected;
    } cases[] = {
        {"empty", "", TextEncoding::Cp1251},
        {"ASCII only", "[a]\r\nk = v ; c\r\n", TextEncoding::Cp1251},
        {"the mark alone", "\xEF\xBB\xBF", TextEncoding::Utf8},
        {"the mark before ASCII", "\xEF\xBB\xBF[a]\nk = 1", TextEncoding::Utf8},
        {"the mark before bytes that are no UTF-8", "\xEF\xBB\xBF; \xCF\xF0\xE8\xE2\xE5\xF2", TextEncoding::Utf8},
        {"Russian in UTF-8", "; Привет\nk = значение\n", TextEncoding::Utf8},
        {"Russian in cp1251", "; \xCF\xF0\xE8\xE2\xE5\xF2\n", TextEncoding::Cp1251},
        {"a sequence cut by the end", "k = \xD0", TextEncoding::Cp1251},
        {"an overlong form", "k = \xC0\xAF", TextEncoding::Cp1251},
        {"an overlong three-byte form", "k = \xE0\x80\xAF", TextEncoding::Cp1251},
        {"a surrogate", "k = \xED\xA0\x80", TextEncoding::Cp1251},
        {"above U+10FFFF", "k = \xF4\x90\x80\x80", TextEncoding::Cp1251},
        {"four bytes", "k = \xF0\x9F\x98\x80", TextEncoding::Utf8},
        {"valid UTF-8 after a long ASCII run", std::string(4000, 'a') + "ж", TextEncoding::Utf8},
        {"one cp1251 byte after UTF-8", "ж = \xE6", TextEncoding::Cp1251},
        {"a NUL byte is ASCII", std::string("ж\0x", 4), TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DetectTextEncoding(c.text), c.expected);
    }
}

TEST(TextEncodingTest, OnlyTheMarkAtTheVeryStartCounts) {
    EXPECT_EQ(ByteOrderMarkOf("\xEF\xBB\xBF; x"), kUtf8ByteOrderMark);
    EXPECT_EQ(ByteOrderMarkOf(" \xEF\xBB\xBF; x"), "");
    EXPECT_EQ(ByteOrderMarkOf("\xEF\xBB"), "");
    EXPECT_EQ(ByteOrderMarkOf(""), "");
}

}  // namespace
