// The nine string components wired to small recording probes, as the schemes wire them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/text/THIBlockFind.h"
#include "components/text/THICopy.h"
#include "components/text/THIDelete.h"
#include "components/text/THIFormatStr.h"
#include "components/text/THILength.h"
#include "components/text/THIPosition.h"
#include "components/text/THIReplace.h"
#include "components/text/THIStrPart.h"
#include "components/text/THITrim.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

// The replace component's Skip point: answers the given sequence and notes the position of
// the occurrence each answer is asked for.
struct SkipAnswers {
    THIReplace* replace;
    SequenceSource answers;
    std::vector<int32_t> positions;
    void Value(TData& d, uint16_t index) {
        positions.push_back(replace->Position);
        answers.Value(d, index);
    }
};

class StringComponentsTest : public HooksActiveTest {
protected:
    THI_Event To(RecordingProbe& probe) { return Point<&RecordingProbe::doEvent>(probe); }

    // Calls a method point through the dispatcher as a connection would; returns the caller's
    // record afterwards, which holds what a method passed on on return.
    template <auto Method, class C>
    TData Call(C& component, TData d) {
        CallEvent(Point<Method>(component), d);
        return d;
    }
};

// ---- THIStrPart --------------------------------------------------------------------------

TEST_F(StringComponentsTest, StrPartSplitsAtTheFirstSeparator) {
    struct Case {
        const char* separator;
        const char* input;
        Journal expected;
    };
    const Case cases[] = {
        {";", "a=1;c", {"split:'a=1'", "part:'c'"}},
        {";", "a;", {"split:'a'", "part:''"}},
        {";", ";x", {"split:''", "part:'x'"}},
        {";", "a;b;c", {"split:'a'", "part:'b;c'"}},
        {";", "abc", {"none:'abc'"}},
        {";", "", {"none:''"}},
        {"\t", "key\tname\tvalue", {"split:'key'", "part:'name\tvalue'"}},
        {"=>", "a=b", {"none:'a=b'"}},  // the whole separator must occur
        {"=>", "a=>b", {"split:'a'", "part:'>b'"}},  // but only its first character splits
        {"", "a;b", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' at '" << c.separator << "'");
        journal.clear();
        RecordingProbe split = Probe("split"), part = Probe("part"), none = Probe("none");
        THIStrPart cut;
        cut.Char = c.separator;
        cut.onSplit = To(split);
        cut.onPart = To(part);
        cut.onNotFound = To(none);
        TData after = Call<&THIStrPart::doSplit>(cut, Str(c.input));
        EXPECT_EQ(journal, c.expected);
        // onPart and onNotFound are passed on through the caller's record, not raised from inside.
        if (!c.expected.empty() && !c.expected.back().starts_with("split:")) {
            EXPECT_EQ(after.Tag(), Tag::String);
            EXPECT_EQ(Describe(after), c.expected.back().substr(5));
        }
        if (!c.expected.empty() && c.expected[0].starts_with("split:")) {
            TData left;
            cut.LeftPoint(left, 0);
            EXPECT_EQ("split:" + Describe(left), c.expected[0]);
        }
    }
}

TEST_F(StringComponentsTest, StrPartRunsEverythingBehindOnSplitBeforeOnPart) {
    // The key-row builder's pattern: the key is stored from onSplit, and the row is formatted
    // from onPart with the stored key, so the store must have happened by then.
    RecordingProbe keyMemory = Probe("key");
    ForwardingRelay relay{To(keyMemory)};
    RecordingProbe row = Probe("row");
    THIFormatStr format;
    format.Mask = "%1|%2";
    format.SetDataCount(2);
    format.SkipInserted = 1;
    format.Str[0] = Point<&RecordingProbe::Value>(keyMemory);
    format.onFString = To(row);
    THIStrPart cut;
    cut.Char = "=";
    cut.onSplit = Point<&ForwardingRelay::doEvent>(relay);
    cut.onPart = Point<&THIFormatStr::doString>(format);

    Call<&THIStrPart::doSplit>(cut, Str("key=value"));
    EXPECT_EQ(journal, (Journal{"key:'key'", "row:'key|value'"}));
}

TEST_F(StringComponentsTest, StrPartPartsShareTheInputBytes) {
    RecordingProbe part = Probe("part");
    THIStrPart cut;
    cut.Char = ";";
    cut.onPart = To(part);
    Bytes line("name ;comment");
    TData d;
    SetString(d, line);
    Call<&THIStrPart::doSplit>(cut, d);
    EXPECT_EQ(cut.Left.data(), line.data());
    EXPECT_EQ(part.last.StrValue.data(), line.data() + 6);
}

// ---- THIFormatStr ------------------------------------------------------------------------

TEST_F(StringComponentsTest, FormatStrFillsPlaceholdersAndLeavesTheRest) {
    struct Case {
        const char* mask;
        int32_t dataCount;
        const char* expected;
    };
    const Case cases[] = {
        {"0#0\tkey\t%1\t%2\t%3", 3, "0#0\tkey\tk\tv\tx"},
        {"100%% %4", 3, "100% %4"},  // beyond DataCount: left as it is
        {"%1%2%3", 3, "kvx"},
        {"%3", 2, "%3"},
        {"%12", 3, "%12"},            // all digits belong to the number
        {"%01", 3, "k"},
        {"%65537", 3, "k"},           // the number is held in 16 bits
        {"%0 %a %", 3, "%0 %a %"},
        {"50%", 3, "50%"},            // a % in the last position is never examined
        {"a%%", 3, "a%"},
        {"%%1", 3, "%1"},             // the doubled % is behind the scan
        {"%%%1", 3, "%k"},
        {"", 3, ""},
        {"%1 %%", 0, "%1 %%"},        // no data points: the mask as it is
        {"%1", -1, "%1"},
    };
    ValueSource k{Str("k")}, v{Str("v")}, x{Str("x")};
    const THI_Event values[] = {Point<&ValueSource::Value>(k), Point<&ValueSource::Value>(v),
                                Point<&ValueSource::Value>(x)};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mask '" << c.mask << "' DataCount " << c.dataCount);
        RecordingProbe out = Probe("out");
        THIFormatStr format;
        format.Mask = c.mask;
        format.SetDataCount(c.dataCount);
        format.SkipInserted = 1;
        for (size_t i = 0; i < format.Str.size(); ++i) format.Str[i] = values[i];
        format.onFString = To(out);
        Call<&THIFormatStr::doString>(format, TData());
        EXPECT_EQ(out.last.StrValue, c.expected);
    }
}

TEST_F(StringComponentsTest, FormatStrFillsAPointsAnswerOfAnyKindAsItsText) {
    const TData answers[] = {Int(0), Int(-7), Int(1234567), Int(INT32_MIN), Int(INT32_MAX),
                             Real(2.5), Str(""), Str("a value longer than sixteen bytes")};
    for (const TData& answer : answers) {
        SCOPED_TRACE(::testing::Message() << "answer " << ToString(answer));
        ValueSource source{answer};
        RecordingProbe out = Probe("out");
        THIFormatStr format;
        format.Mask = "[%1]";
        format.SetDataCount(1);
        format.SkipInserted = 1;
        format.Str[0] = Point<&ValueSource::Value>(source);
        format.onFString = To(out);
        Call<&THIFormatStr::doString>(format, TData());
        EXPECT_EQ(out.last.StrValue, "[" + ToString(answer).str() + "]");
    }
}

TEST_F(StringComponentsTest, FormatStrScansInsertedTextOnlyWhenAskedTo) {
    struct Case {
        const char* mask;
        const char* first;
        const char* second;
        uint8_t skipInserted;
        const char* expected;
    };
    const Case cases[] = {
        {"<%1|%2>", "%1%2", "v", 1, "<%1%2|v>"},  // a line's own text is never expanded
        {"%1", "x%2", "y", 0, "xy"},
        {"%1", "x%2", "y", 1, "x%2"},
        {"%1", "%%2", "y", 0, "%2"},              // the doubled % of the value becomes one
        // A value naming its own placeholder, directly or through another one, stays as it
        // is instead of being expanded forever.
        {"<%1>", "(%1)", "y", 0, "<(%1)>"},
        {"%1", "a%2", "b%1", 0, "ab%1"},
        {"%1-%1", "a%2", "b", 0, "ab-ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mask '" << c.mask << "' values '" << c.first << "', '" << c.second
                                          << "' SkipInserted " << int(c.skipInserted));
        RecordingProbe out = Probe("out");
        ValueSource first{Str(c.first)}, second{Str(c.second)};
        THIFormatStr format;
        format.Mask = c.mask;
        format.SetDataCount(2);
        format.SkipInserted = c.skipInserted;
        format.Str[0] = Point<&ValueSource::Value>(first);
        format.Str[1] = Point<&ValueSource::Value>(second);
        format.onFString = To(out);
        Call<&THIFormatStr::doString>(format, TData());
        EXPECT_EQ(out.last.StrValue, c.expected);
    }
}

TEST_F(StringComponentsTest, FormatStrUnconnectedPointsTakeChainValuesInTheOrderMet) {
    struct Case {
        const char* mask;
        uint8_t skipInserted;
        const char* expected;
    };
    // The chain a, b, c arrives with the call; the second point answers V.
    const Case cases[] = {
        {"%3-%1-%4", 1, "a-b-c"},
        {"%1+%1", 1, "a+b"},     // each placeholder met is read again
        {"%1 %2 %3", 1, "a V b"},
        {"%1%3", 0, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mask '" << c.mask << "'");
        RecordingProbe out = Probe("out");
        ValueSource fixed{Str("V")};
        THIFormatStr format;
        format.Mask = c.mask;
        format.SetDataCount(4);
        format.SkipInserted = c.skipInserted;
        format.Str[1] = Point<&ValueSource::Value>(fixed);
        format.onFString = To(out);
        TData third = Str("c"), second = Str("b"), first = Str("a");
        second.Next = &third;
        first.Next = &second;
        Call<&THIFormatStr::doString>(format, first);
        EXPECT_EQ(out.last.StrValue, c.expected);
    }
}

TEST_F(StringComponentsTest, FormatStrTakesItsMaskFromDoMask) {
    // The writer's pattern: the mask is chosen for each row, then the row is formatted.
    RecordingProbe out = Probe("out");
    ValueSource name{Str("name")}, value{Str("1")}, comment{Str("")};
    THIFormatStr format;
    format.Mask = "%1-%2-%3";
    format.SetDataCount(3);
    format.SkipInserted = 1;
    format.Str = {Point<&ValueSource::Value>(name), Point<&ValueSource::Value>(value),
                  Point<&ValueSource::Value>(comment)};
    format.onFString = To(out);

    Call<&THIFormatStr::doMask>(format, Str("\t%1 = %2\t;%3"));
    EXPECT_TRUE(journal.empty());
    Call<&THIFormatStr::doString>(format, TData());
    EXPECT_EQ(out.last.StrValue, "\tname = 1\t;");

    // The same through one method point with two indexes.
    TData seven;
    SetInteger(seven, 7);
    CallEvent(Point<&THIFormatStr::doMethod>(format, 1), seven);
    TData nothing;
    CallEvent(Point<&THIFormatStr::doMethod>(format, 0), nothing);
    EXPECT_EQ(out.last.StrValue, "7");
}

TEST_F(StringComponentsTest, FormatStrSwitchingBetweenMoreMasksThanItKeepsFillsEachRight) {
    // A writer switches masks from row to row; more masks than are kept parsed, in two rounds,
    // and one mask object met again under another DataCount, must each fill as on its own.
    RecordingProbe out = Probe("out");
    ValueSource first{Str("A")}, second{Str("B")};
    THIFormatStr format;
    format.SkipInserted = 1;
    format.onFString = To(out);
    struct Case {
        Bytes mask;
        int32_t count;
        const char* expected;
    };
    const Bytes shared = "%1+%2";
    std::vector<Case> cases = {{"%1", 2, "A"},          {"<%1>", 2, "<A>"},      {"%%%1", 2, "%A"},
                               {"%2%1", 2, "BA"},       {"x%1y", 2, "xAy"},      {"%3%1", 2, "%3A"},
                               {"; %2", 2, "; B"},      {"\t%1 = %2", 2, "\tA = B"}, {"%1%", 2, "A%"},
                               {"no sign", 2, "no sign"}, {shared, 1, "A+%2"},    {shared, 2, "A+B"}};
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            format.SetDataCount(c.count);
            format.Str[0] = Point<&ValueSource::Value>(first);
            if (c.count > 1) format.Str[1] = Point<&ValueSource::Value>(second);
            TData mask;
            SetString(mask, c.mask);  // the same bytes each round, as a scheme's constant is
            Call<&THIFormatStr::doMask>(format, mask);
            Call<&THIFormatStr::doString>(format, TData());
            EXPECT_EQ(out.last.StrValue, c.expected) << c.mask.str() << " with " << c.count << ", round " << round;
        }
    }
}

TEST_F(StringComponentsTest, FormatStrFilledAgainFromInsideAReadKeepsBothTexts) {
    // The first read fills the same mask once more before it answers: the text half built
    // when the read began must come out whole, after the inner one.
    struct ReenteringSource {
        THIFormatStr* format = nullptr;
        std::vector<const char*> answers{"a", "b", "c", "d"};
        size_t reads = 0;
        bool entered = false;
        void Value(TData& d, uint16_t) {
            if (!entered) {
                entered = true;
                TData inner;
                CallEvent(Point<&THIFormatStr::doString>(*format), inner);
            }
            SetString(d, answers.at(reads++));
        }
    };
    RecordingProbe out = Probe("out");
    THIFormatStr format;
    ReenteringSource source{&format};
    format.Mask = "<%1|%1>";
    format.SetDataCount(1);
    format.SkipInserted = 1;
    format.Str[0] = Point<&ReenteringSource::Value>(source);
    format.onFString = To(out);
    Call<&THIFormatStr::doString>(format, TData());
    EXPECT_EQ(journal, (Journal{"out:'<a|b>'", "out:'<c|d>'"}));
}

TEST_F(StringComponentsTest, FormatStrRaisesAMaskWithoutPlaceholdersAsItIs) {
    RecordingProbe out = Probe("out");
    THIFormatStr format;
    format.Mask = "no placeholders here%";
    format.SetDataCount(1);
    format.onFString = To(out);
    Call<&THIFormatStr::doString>(format, TData());
    EXPECT_EQ(out.last.StrValue.data(), format.Mask.data());
}

// ---- THIReplace --------------------------------------------------------------------------

TEST_F(StringComponentsTest, ReplaceReplacesEveryOccurrenceWithoutSearchingInsertedText) {
    struct Case {
        const char* sub;
        const char* dst;
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"\t", "", "a\tb\t\tc\t", "abc"},
        {" ", "", " k e y ", "key"},
        {"", "x", "abc", "abc"},   // an empty substring replaces nothing
        {"\t", "", "\t\t", ""},
        {"\t", "-", "\t\ta\t\t", "--a--"},  // runs at both ends, each TAB replaced
        {"-", "--", "a-b-", "a--b--"},
        {"x", "xx", "xx", "xxxx"},
        {"aa", "b", "aaaa", "bb"},
        {"aa", "b", "aaa", "ba"},
        {"abc", "", "ab", "ab"},
        {"q", "z", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.sub << "' -> '" << c.dst << "' in '" << c.input << "'");
        RecordingProbe out = Probe("out");
        THIReplace replace;
        replace.SubStr = c.sub;
        replace.DestStr = c.dst;
        replace.onReplace = To(out);
        TData after = Call<&THIReplace::doReplace>(replace, Str(c.input));
        EXPECT_EQ(journal, (Journal{std::string("out:'") + c.expected + "'"}));
        EXPECT_EQ(replace.Result, c.expected);
        EXPECT_EQ(after.StrValue, c.expected);  // passed on on return
        journal.clear();
    }
}

TEST_F(StringComponentsTest, ReplaceWithoutAnOccurrencePassesTheInputItself) {
    THIReplace replace;
    replace.SubStr = "\t";
    Bytes line("key = value");
    TData d;
    SetString(d, line);
    EXPECT_EQ(Call<&THIReplace::doReplace>(replace, d).StrValue.data(), line.data());
    replace.SubStr = "";
    EXPECT_EQ(Call<&THIReplace::doReplace>(replace, d).StrValue.data(), line.data());
}

TEST_F(StringComponentsTest, ReplaceAsksSkipAtEachOccurrenceOfTheTextBeingBuilt) {
    struct Case {
        const char* sub;
        const char* dst;
        const char* input;
        std::vector<int32_t> skips;
        std::vector<int32_t> positions;
        const char* expected;
    };
    const Case cases[] = {
        {".", "XY", "a..b", {0, 0}, {2, 4}, "aXYXYb"},
        {".", "", "a.b.c", {1, 0}, {2, 4}, "a.bc"},
        {".", "", "a..b", {1, 0}, {2, 3}, "a.b"},  // the kept one's neighbour is found next
        // A kept occurrence moves the search on by one byte only, so an overlapping one is found.
        {"aa", "b", "aaa", {1, 0}, {1, 2}, "ab"},
        {"aa", "b", "aaa", {0}, {1}, "ba"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.sub << "' -> '" << c.dst << "' in '" << c.input << "'");
        THIReplace replace;
        SkipAnswers skip{&replace, IntegerSequence(c.skips), {}};
        replace.SubStr = c.sub;
        replace.DestStr = c.dst;
        replace.Skip = Point<&SkipAnswers::Value>(skip);
        TData after = Call<&THIReplace::doReplace>(replace, Str(c.input));
        EXPECT_EQ(skip.positions, c.positions);
        EXPECT_EQ(after.StrValue, c.expected);
    }
}

TEST_F(StringComponentsTest, ReplaceReadsTextSubstringAndReplacementInThatOrder) {
    // All three points unconnected, no properties: they take the chain's values in turn.
    THIReplace replace;
    TData replacement = Str("+"), sub = Str("-"), text = Str("a-b");
    sub.Next = &replacement;
    text.Next = &sub;
    EXPECT_EQ(Call<&THIReplace::doReplace>(replace, text).StrValue, "a+b");

    // Connected points win over the properties.
    ValueSource subPoint{Str("b")}, destPoint{Str("B")};
    replace.SubStr = "a";
    replace.DestStr = "A";
    replace.SubStrPoint = Point<&ValueSource::Value>(subPoint);
    replace.DestStrPoint = Point<&ValueSource::Value>(destPoint);
    EXPECT_EQ(Call<&THIReplace::doReplace>(replace, Str("abc")).StrValue, "aBc");
}

// ---- THITrim -----------------------------------------------------------------------------

TEST_F(StringComponentsTest, TrimStripsOnlyItsOneCharacter) {
    struct Case {
        const char* ch;
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {" ", "  a b  ", "a b"},
        {" ", "\ta ", "\ta"},  // a TAB is not a trimmed character
        {" ", "   ", ""},
        {" ", "", ""},
        {"", " x ", "x"},      // no character given means a space
        {";", ";;a;b;", "a;b"},
        {"ab", "abba", "bb"},  // only the first character counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' by '" << c.ch << "'");
        RecordingProbe out = Probe("out");
        THITrim trim;
        trim.Char = c.ch;
        trim.onTrim = To(out);
        Call<&THITrim::doTrim>(trim, Str(c.input));
        EXPECT_EQ(journal, (Journal{std::string("out:'") + c.expected + "'"}));
        journal.clear();
    }
}

TEST_F(StringComponentsTest, TrimGivesASliceOfTheInput) {
    RecordingProbe out = Probe("out");
    THITrim trim;
    trim.Char = " ";
    trim.onTrim = To(out);
    Bytes line("  comment ");
    TData d;
    SetString(d, line);
    Call<&THITrim::doTrim>(trim, d);
    EXPECT_EQ(out.last.StrValue.data(), line.data() + 2);
}

// ---- THIPosition -------------------------------------------------------------------------

TEST_F(StringComponentsTest, PositionFindsTheSubstring) {
    struct Case {
        const char* input;
        int32_t startPos;
        Journal expected;
    };
    // The equals search of the line parser: SubStr "=", ResetPos 1, SkipNotFound 0.
    const Case cases[] = {
        {"a = b", 0, {"pos:3"}},
        {"abc", 0, {"pos:0"}},
        {"", 0, {"pos:0"}},
        {"==", 0, {"pos:1"}},
        {"=a=", 2, {"pos:3"}},
        {"=a", 3, {"pos:0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' from " << c.startPos);
        RecordingProbe out = Probe("pos");
        THIPosition search;
        search.SubStr = "=";
        search.StartPos = c.startPos;
        search.ResetPos = 1;
        search.onSearch = To(out);
        Call<&THIPosition::doSearch>(search, Str(c.input));
        Call<&THIPosition::doSearch>(search, Str(c.input));  // ResetPos: the same again
        Journal twice = c.expected;
        twice.insert(twice.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(journal, twice);
        journal.clear();
    }
}

TEST_F(StringComponentsTest, PositionContinuesBehindTheMatchWithoutResetPos) {
    struct Case {
        const char* sub;
        uint8_t skipNotFound;
        Journal expected;
    };
    const Case cases[] = {
        {"=", 0, {"pos:3", "pos:5", "pos:0", "pos:3"}},  // after a miss it starts again
        {"=", 1, {"pos:3", "pos:5", "pos:3"}},
        {"b=", 0, {"pos:2", "pos:0", "pos:2", "pos:0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.sub << "' SkipNotFound " << int(c.skipNotFound));
        RecordingProbe out = Probe("pos");
        THIPosition search;
        search.SubStr = c.sub;
        search.StartPos = 1;
        search.SkipNotFound = c.skipNotFound;
        search.onSearch = To(out);
        for (int i = 0; i < 4; ++i) Call<&THIPosition::doSearch>(search, Str("ab=c=d"));
        EXPECT_EQ(journal, c.expected);
        journal.clear();
    }
}

TEST_F(StringComponentsTest, PositionReadsItsSubstringFromItsPoint) {
    // The search panel's line search: the substring comes from the search box; a miss and an
    // empty substring raise nothing.
    RecordingProbe out = Probe("pos");
    ValueSource box{Str("name")};
    THIPosition search;
    search.StartPos = 1;
    search.SkipNotFound = 1;
    search.ResetPos = 1;
    search.SubStrPoint = Point<&ValueSource::Value>(box);
    search.onSearch = To(out);
    Call<&THIPosition::doSearch>(search, Str("0#0\tkey\tname\t1\t"));
    Call<&THIPosition::doSearch>(search, Str("0#0\tkey\tother\t1\t"));
    box.value = Str("");
    Call<&THIPosition::doSearch>(search, Str("0#0\tkey\tname\t1\t"));
    EXPECT_EQ(journal, (Journal{"pos:9"}));
}

TEST_F(StringComponentsTest, PositionContinuesBehindTheMatchWhenOnSearchSearchesAgain) {
    // The continuation is stored before onSearch is raised, so a search started from its
    // receiver goes on behind the match and is not undone when the first call returns.
    RecordingProbe out = Probe("pos");
    THIPosition search;
    search.SubStr = "=";
    search.StartPos = 1;
    search.onSearch = To(out);
    bool searchAgain = true;
    out.then = [&] {
        if (!searchAgain) return;
        searchAgain = false;
        Call<&THIPosition::doSearch>(search, Str("ab=c=d"));
    };
    Call<&THIPosition::doSearch>(search, Str("ab=c=d"));
    Call<&THIPosition::doSearch>(search, Str("ab=c=d"));
    EXPECT_EQ(journal, (Journal{"pos:3", "pos:5", "pos:0"}));
}

// ---- THICopy and THIDelete ---------------------------------------------------------------

struct RangeCase {
    int32_t position;
    int32_t count;
    const char* input;
    Journal expected;
};

TEST_F(StringComponentsTest, CopyTakesTheClampedRangeAndNothingFromEmptyInput) {
    const RangeCase cases[] = {
        {1, 1, "xyz", {"out:'x'"}},
        {1, 1, "", {}},
        {2, 9, "xyz", {"out:'yz'"}},
        {4, 1, "xyz", {"out:''"}},
        // A position of 0 or less shortens the count by the bytes before position 1.
        {0, 3, "abcdef", {"out:'ab'"}},
        {-2, 5, "abcdef", {"out:'ab'"}},
        {-5, 3, "abcdef", {"out:''"}},
        {INT32_MIN, INT32_MIN, "abc", {"out:''"}},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' at " << c.position << " count " << c.count);
        RecordingProbe out = Probe("out");
        THICopy copy;
        copy.Position = c.position;
        copy.Count = c.count;
        copy.onCopy = To(out);
        Call<&THICopy::doCopy>(copy, Str(c.input));
        EXPECT_EQ(journal, c.expected);
        journal.clear();
    }
}

TEST_F(StringComponentsTest, CopyTakesItsCountFromALength) {
    // The search panel's name prefix: the first bytes of the name, as many as were typed.
    THILength typed;
    Call<&THILength::doLength>(typed, Str("na"));
    ValueSource row{Str("0#0\tkey\tname\t1\t")};
    THICopy prefix;
    prefix.Position = 9;
    prefix.Str = Point<&ValueSource::Value>(row);
    prefix.CountPoint = Point<&THILength::ResultPoint>(typed);
    TData after = Call<&THICopy::doCopy>(prefix, TData());
    EXPECT_EQ(after.StrValue, "na");
}

TEST_F(StringComponentsTest, DeleteCutsTheClampedRangeAndNothingFromEmptyInput) {
    const RangeCase cases[] = {
        {1, 1, ";c", {"out:'c'"}},
        {1, 1, "", {}},
        {2, 9, "abc", {"out:'a'"}},
        {4, 1, "abc", {"out:'abc'"}},
        {0, 1, "abc", {"out:'abc'"}},  // no adjustment here: nothing is deleted
        {2, 0, "abc", {"out:'abc'"}},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' at " << c.position << " count " << c.count);
        RecordingProbe out = Probe("out");
        THIDelete cut;
        cut.Position = c.position;
        cut.Count = c.count;
        cut.onDelete = To(out);
        Call<&THIDelete::doDelete>(cut, Str(c.input));
        EXPECT_EQ(journal, c.expected);
        journal.clear();
    }
}

// ---- THILength ---------------------------------------------------------------------------

TEST_F(StringComponentsTest, LengthRaisesAndKeepsTheByteCount) {
    RecordingProbe out = Probe("len");
    THILength length;
    length.onLength = To(out);
    Call<&THILength::doLength>(length, Str("\xEA\xEB\xFE\xF7"));  // four cp1251 letters
    Call<&THILength::doLength>(length, Str(""));
    EXPECT_EQ(journal, (Journal{"len:4", "len:0"}));
    TData answer;
    length.ResultPoint(answer, 0);
    EXPECT_EQ(answer.Tag(), Tag::Integer);
    EXPECT_EQ(answer.IntValue, 0);
}

// ---- THIBlockFind ------------------------------------------------------------------------

TEST_F(StringComponentsTest, BlockFindRaisesEachBlockThenTheString) {
    struct Case {
        const char* start;
        const char* end;
        const char* input;
        Journal expected;
    };
    const Case cases[] = {
        {"[", "]", "[a]b[c", {"find:'a'", "result:'[a]b[c'"}},
        {"[", "]", "[base]:[a]", {"find:'base'", "find:'a'", "result:'[base]:[a]'"}},
        {"[", "]", "[base", {"result:'[base'"}},
        {"[", "]", "[]", {"find:''", "result:'[]'"}},
        {"[", "]", "]a[", {"result:']a['"}},
        {"[", "]", "[a[b]c]", {"find:'a[b'", "result:'[a[b]c]'"}},
        {"<<", ">>", "<<x>>y<<>>", {"find:'x'", "find:''", "result:'<<x>>y<<>>'"}},
        {"", "]", "a]", {"result:'a]'"}},
        {"[", "", "[a", {"result:'[a'"}},
        {"[", "]", "", {"result:''"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' between '" << c.start << "' and '" << c.end << "'");
        RecordingProbe find = Probe("find"), result = Probe("result");
        THIBlockFind blocks;
        blocks.StartBlock = c.start;
        blocks.EndBlock = c.end;
        blocks.onFind = To(find);
        blocks.onResult = To(result);
        Call<&THIBlockFind::doFind>(blocks, Str(c.input));
        EXPECT_EQ(journal, c.expected);
        journal.clear();
    }
}

TEST_F(StringComponentsTest, BlockFindCutsBlocksWhenAskedTo) {
    struct Case {
        uint8_t withBounds;
        uint8_t cutBlocks;
        uint8_t useCheck;
        const char* replaceStr;
        std::vector<int32_t> checks;
        const char* input;
        Journal expected;
    };
    const Case cases[] = {
        {1, 0, 0, "", {}, "[a]b", {"find:'[a]'", "result:'[a]b'"}},
        {0, 1, 0, "#", {}, "[a]b[c]", {"find:'a'", "find:'c'", "result:'[#]b[#]'"}},
        {1, 1, 0, "", {}, "x[a]y[b]z", {"find:'[a]'", "find:'[b]'", "result:'xyz'"}},
        // The replacement is not searched again, though it holds delimiters.
        {1, 1, 0, "[z]", {}, "[a][b]", {"find:'[a]'", "find:'[b]'", "result:'[z][z]'"}},
        {0, 1, 0, "[z]", {}, "[a][b]", {"find:'a'", "find:'b'", "result:'[[z]][[z]]'"}},
        // Check 0 keeps the block; the search goes on at its end delimiter.
        {1, 1, 1, "", {0, 1}, "[a][b]", {"find:'[a]'", "find:'[b]'", "result:'[a]'"}},
        {0, 1, 1, "", {0}, "[a]]", {"find:'a'", "result:'[a]]'"}},
        // Without CutBlocks, Check is never asked.
        {0, 0, 1, "", {}, "[a]", {"find:'a'", "result:'[a]'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.input << "' WithBounds " << int(c.withBounds) << " CutBlocks "
                                          << int(c.cutBlocks) << " UseCheck " << int(c.useCheck) << " ReplaceStr '"
                                          << c.replaceStr << "'");
        RecordingProbe find = Probe("find"), result = Probe("result");
        SequenceSource check = IntegerSequence(c.checks);
        THIBlockFind blocks;
        blocks.StartBlock = "[";
        blocks.EndBlock = "]";
        blocks.WithBounds = c.withBounds;
        blocks.CutBlocks = c.cutBlocks;
        blocks.UseCheck = c.useCheck;
        blocks.ReplaceStr = c.replaceStr;
        blocks.Check = Point<&SequenceSource::Value>(check);
        blocks.onFind = To(find);
        blocks.onResult = To(result);
        Call<&THIBlockFind::doFind>(blocks, Str(c.input));
        EXPECT_EQ(journal, c.expected);
        journal.clear();
    }
}

}  // namespace
