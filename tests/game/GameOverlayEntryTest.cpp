// The table-of-contents names of overlay headers, read from the parser's row strings.
#include <gtest/gtest.h>

#include "game/GameOverlayEntry.h"

namespace {

TEST(OverlayEntryNameTest, NamesTheOverlayHeadersOfOtherRowsOnly) {
    struct Case {
        const char* row;
        const char* name;
    } cases[] = {
        {"0#15532017\tnor\t![hull]\t\t", "!hull"},
        {"0#15532017\tnor\t@[hull]:base\t\tnote", "@hull"},
        {"0#15532017\tnor\t!![hull]\t\t", "!!hull"},
        {"0#15532017\tnor\t   ![ hull ]  \t\t", "!hull"},
        {"0#15532017\tnor\t![hull\t\t", ""},        // no "]"
        {"0#15532017\tnor\t!hull\t\t", ""},         // a key deleted, not a header
        {"0#15532017\tnor\t#include \"a.ltx\"\t\t", ""},
        {"0#16707055\tsec\t[hull]\t\t", ""},        // a header, listed by the parser
        {"0#0\tkey\t![x]\t1\t", ""},                // "![x] = 1" is a key
        {"0#15466238\tcom\t\t\t![x]", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(OverlayEntryName(c.row), c.name);
    }
}

}  // namespace
