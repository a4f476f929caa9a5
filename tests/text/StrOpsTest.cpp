// The classic string operations: 1-based positions and their clamping at both ends.
#include <gtest/gtest.h>

#include "components/text/StrOps.h"

namespace {

struct PosCase {
    const char* sub;
    const char* s;
    int32_t from;
    int32_t expected;
};

TEST(StrOpsTest, PosFromFindsTheFirstOccurrenceAtOrAfterFrom) {
    const PosCase cases[] = {
        {"=", "a = b", 1, 3},
        {"=", "abc", 1, 0},
        {"", "abc", 1, 0},       // an empty sub is never found
        {"a", "", 1, 0},
        {"ab", "xabab", 1, 2},
        {"ab", "xabab", 3, 4},   // from inside the first occurrence skips it
        {"ab", "xabab", 4, 4},   // an occurrence starting at from counts
        {"ab", "xabab", 5, 0},   // a partial occurrence at the end does not
        {"b", "abc", 3, 0},
        {"c", "abc", 3, 3},
        {"c", "abc", 4, 0},      // from beyond the end
        {"a", "abc", 0, 1},      // from below 1 counts as 1
        {"a", "abc", -7, 1},
        {"abcd", "abc", 1, 0},   // longer than the text
        {"aa", "aaa", 2, 2},     // overlapping occurrences are found
        {"key\t", "key\tname", 1, 1},          // a key of four bytes at the start
        {"key\tna", "key\tnb key\tna", 1, 8},  // the start differs only past its first four bytes
        {"key\t", "kex\tkey\t", 1, 5},        // the start differs inside its first four bytes
        {"abcdefghi", "xabcdefghi", 2, 2},     // two steps of four bytes and one more
        {"ab", "aaaab", 1, 4},                 // the first byte found again and again, then at the last start
        {"ba", "aaab", 1, 0},                  // the first byte only where sub no longer fits
        {"b", "abab", 3, 4},                   // one byte past from, behind an earlier one
    };
    for (const PosCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "sub '" << c.sub << "' in '" << c.s << "' from " << c.from);
        EXPECT_EQ(PosFrom(c.sub, c.s, c.from), c.expected);
        if (c.from == 1) {
            EXPECT_EQ(Pos(c.sub, c.s), c.expected);
        }
    }
}

struct RangeCase {
    const char* s;
    int32_t index;
    int32_t count;
    const char* copied;
    const char* deleted;
};

TEST(StrOpsTest, CopyAndDeleteClampTheirRange) {
    const RangeCase cases[] = {
        {"xyz", 1, 1, "x", "yz"},
        {"xyz", 2, 1, "y", "xz"},
        {"xyz", 3, 1, "z", "xy"},
        {"xyz", 2, 5, "yz", "x"},           // a count past the end is cut to the end
        {"xyz", 1, 3, "xyz", ""},
        {"xyz", 4, 1, "", "xyz"},           // index beyond the end
        {"xyz", 2, 0, "", "xyz"},           // no count
        {"xyz", 2, -1, "", "xyz"},
        {"xyz", 0, 2, "xy", "xyz"},         // copy takes index 0 as 1; delete does nothing
        {"xyz", -3, 1, "x", "xyz"},
        {"", 1, 1, "", ""},
        {"xyz", 1, INT32_MAX, "xyz", ""},   // no overflow of index plus count
        {"xyz", INT32_MAX, INT32_MAX, "", "xyz"},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.s << "' index " << c.index << " count " << c.count);
        EXPECT_EQ(CopyStr(c.s, c.index, c.count), c.copied);
        EXPECT_EQ(DeleteStr(c.s, c.index, c.count), c.deleted);
    }
}

TEST(StrOpsTest, InsertPutsTextBeforeTheClampedIndex) {
    struct InsertCase {
        const char* t;
        const char* s;
        int32_t index;
        const char* expected;
    };
    const InsertCase cases[] = {
        {"-", "abc", 1, "-abc"}, {"-", "abc", 2, "a-bc"}, {"-", "abc", 4, "abc-"},
        {"-", "abc", 9, "abc-"}, {"-", "abc", 0, "-abc"}, {"", "abc", 2, "abc"},
        {"xy", "", 1, "xy"},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.t << "' into '" << c.s << "' at " << c.index);
        EXPECT_EQ(InsertStr(c.t, c.s, c.index), c.expected);
    }
}

TEST(StrOpsTest, PiecesOfTheInputShareItsBytes) {
    Bytes s("key=value");
    EXPECT_EQ(CopyStr(s, 5, 5).data(), s.data() + 4);
    EXPECT_EQ(DeleteStr(s, 1, 4).data(), s.data() + 4);  // a deleted head leaves a slice
    EXPECT_EQ(DeleteStr(s, 4, 99).data(), s.data());     // and so does a deleted tail
    EXPECT_EQ(DeleteStr(s, 0, 1).data(), s.data());      // nothing deleted: the input itself
    EXPECT_EQ(InsertStr("", s, 3).data(), s.data());
}

}  // namespace
