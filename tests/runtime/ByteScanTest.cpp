#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "runtime/ByteScan.h"

namespace {

struct Case {
    const char* name;
    std::string text;
    char a;
    char b;
    size_t first;  // of a; text.size() when absent
    size_t either;  // of a or b
};

TEST(ByteScanTest, FindsTheFirstOfOneOrTwoBytes) {
    std::string longLine(503, 'x');
    longLine.replace(200, 2, "\"<");
    longLine.back() = '"';
    const Case cases[] = {
        {"empty span", "", '=', ';', 0, 0},
        {"byte at the start", "=abc", '=', ';', 0, 0},
        {"byte at the end of a short span", "abc=", '=', ';', 3, 3},
        {"byte at the end of 8 bytes", "abcdefg=", '=', ';', 7, 7},
        {"byte at the end of 12 bytes", "abcdefghijk=", '=', ';', 11, 11},
        {"absent", "key value ; comment", '=', '#', 19, 19},
        {"the other byte first", "a;b=c", '=', ';', 3, 1},
        {"only the other byte", "abcdefghij;", '=', ';', 11, 10},
        {"repeated bytes", "ab==cd==ef==gh", '=', ';', 2, 2},
        {"bytes from 0x80", "\xe0\xef\xf0\xff\x80\x81\xfe\xe1\xe2", '\xfe', '\x80', 6, 4},
        {"a byte below 0x80 among high ones", "\xff\xff\xff\xff\xff\xff\xff\xff\x7f", '\x7f', '\x7e', 8, 8},
        {"NUL", std::string("abcdefgh\0ij", 11), '\0', '\n', 8, 8},
        {"NUL before the byte", std::string("ab\0cdefghij=", 12), '=', '\r', 11, 11},
        {"NUL absent from 5 bytes", "abcde", '\0', '\0', 5, 5},
        {"NUL absent from 10 bytes", "abcdefghij", '\0', '\0', 10, 10},
        {"NUL last of 6 bytes", std::string("abcde\0", 6), '\0', '\0', 5, 5},
        {"line end", "key = value\r\n", '\r', '\n', 11, 11},
        {"LF alone", "key = value\n", '\r', '\n', 12, 11},
        {"beyond the bytes read in line", longLine, '"', '<', 200, 200},
        {"only the second byte beyond them", longLine, '<', '@', 201, 201},
        {"second byte first beyond them", longLine, '<', '"', 201, 200},
        {"absent from a long span", std::string(1000, 'z'), '"', '<', 1000, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const char* begin = c.text.data();
        const char* end = begin + c.text.size();
        EXPECT_EQ(FindByte(begin, end, c.a) - begin, static_cast<ptrdiff_t>(c.first));
        EXPECT_EQ(FindEitherByte(begin, end, c.a, c.b) - begin, static_cast<ptrdiff_t>(c.either));
        EXPECT_EQ(FindEitherByte(begin, end, c.b, c.a) - begin, static_cast<ptrdiff_t>(c.either));
    }
}

// Every span length across the byte loop, the chunk reads and the hand-over to memchr, with the
// byte at every offset, or absent, and the same byte just outside the span on both sides.
TEST(ByteScanTest, AgreesWithAPlainSearchAtEveryOffset) {
    for (size_t length = 0; length <= 2 * byte_scan::kShortSpan + 9; ++length) {
        std::string buffer(length + 2, '#');
        std::fill(buffer.begin() + 1, buffer.end() - 1, '\xe9');
        const char* begin = buffer.data() + 1;
        const char* end = begin + length;
        ASSERT_EQ(FindByte(begin, end, '#'), end) << length;
        ASSERT_EQ(FindEitherByte(begin, end, '#', '\r'), end) << length;
        ASSERT_EQ(FindEitherByte(begin, end, '\0', '\0'), end) << length;
        ASSERT_EQ(FindByte(begin, end, '\0'), end) << length;
        for (size_t at = 0; at < length; ++at) {
            buffer[1 + at] = '\r';
            if (at + 3 < length) buffer[1 + at + 3] = '\n';
            ASSERT_EQ(FindByte(begin, end, '\r') - begin, static_cast<ptrdiff_t>(at)) << length << " " << at;
            ASSERT_EQ(FindByte(begin, end, '\n') - begin, static_cast<ptrdiff_t>(at + 3 < length ? at + 3 : length))
                << length << " " << at;
            ASSERT_EQ(FindEitherByte(begin, end, '\n', '\r') - begin, static_cast<ptrdiff_t>(at)) << length << " " << at;
            ASSERT_EQ(FindEitherByte(begin, end, '\r', '\n') - begin, static_cast<ptrdiff_t>(at)) << length << " " << at;
            buffer[1 + at] = '\xe9';
            if (at + 3 < length) buffer[1 + at + 3] = '\xe9';
        }
    }
}

// Past the bytes read in line, either byte is looked for a window at a time: the first of the
// two is found wherever it lies, also when the other comes sooner or later in another window,
// or never (a text whose lines end in LF alone holds no CR).
TEST(ByteScanTest, FindsTheFirstOfTwoBytesAcrossWindows) {
    // The windows after the first kShortSpan bytes end at 2, 4, 8, 16... times kShortSpan.
    const size_t span = byte_scan::kShortSpan;
    const size_t length = 40 * span + 5;
    const size_t places[] = {span + 1, 2 * span - 1, 2 * span, 4 * span + 3, 8 * span - 1, 20 * span, length - 1};
    const size_t none = length;
    for (size_t lf : places) {
        for (size_t cr : {none, lf / 2, lf + 1, lf + 5 * span}) {
            std::string text(length, 'x');
            text[lf] = '\n';
            if (cr < length) text[cr] = '\r';
            const char* begin = text.data();
            const size_t first = std::min(lf, cr);
            EXPECT_EQ(FindEitherByte(begin, begin + length, '\r', '\n') - begin, static_cast<ptrdiff_t>(first))
                << lf << " " << cr;
            EXPECT_EQ(FindEitherByte(begin, begin + length, '\n', '\r') - begin, static_cast<ptrdiff_t>(first))
                << lf << " " << cr;
        }
    }
    const std::string neither(length, 'x');
    EXPECT_EQ(FindEitherByte(neither.data(), neither.data() + length, '\r', '\n'), neither.data() + length);
}

TEST(ByteScanTest, SearchesAViewFromAnOffset) {
    const std::string_view text = "a=b=c";
    EXPECT_EQ(FindByte(text, '='), 1u);
    EXPECT_EQ(FindByte(text, '=', 2), 3u);
    EXPECT_EQ(FindByte(text, '=', 4), 5u);
    EXPECT_EQ(FindByte(text, '=', 9), 5u);
    EXPECT_EQ(FindByte(std::string_view(), '='), 0u);
}

}  // namespace
