// Conversions and builders of the tagged value.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/Data.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

TEST(BytesTest, SubstringsShareTheBlockAndOutliveTheirSource) {
    Bytes tail;
    {
        Bytes line("key = value ; note");
        tail = line.substr(6, 5);
        EXPECT_EQ(tail.data(), line.data() + 6);
    }
    EXPECT_EQ(tail, "value");
    EXPECT_EQ(Bytes("abc").substr(5), "");
    EXPECT_EQ(Bytes("abc").substr(1, 99), "bc");
    EXPECT_EQ(Bytes::Concat({"a", "", "bc"}), "abc");
}

TEST(BytesTest, AssigningAStringToItselfKeepsIt) {
    Bytes line("key = value");
    const Bytes slice = line.substr(6);  // shares the block, which must stay alive and whole
    const Bytes& same = line;
    line = same;
    EXPECT_EQ(line, "key = value");
    EXPECT_EQ(line.view().data(), slice.view().data() - 6);
    Bytes empty;
    const Bytes& emptySame = empty;
    empty = emptySame;
    EXPECT_TRUE(empty.empty());
}

TEST(ConversionTest, ToIndex) {
    struct Case {
        TData value;
        int32_t expected;
    } cases[] = {
        {Str("abc"), -1}, {Str("0"), 0}, {Str(""), -1}, {Str("12x"), 12}, {Str("-3"), -3},
        {Int(7), 7},      {Real(2.5), 2}, {TData{}, -1},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(ToString(c.value).str());
        EXPECT_EQ(ToIndex(c.value), c.expected);
    }
}

TEST(ConversionTest, ToIntegerRoundsRealsToEvenAndParsesStrictly) {
    struct Case {
        TData value;
        int32_t expected;
    } cases[] = {
        {Str(" 5"), 0},     {Str("+7"), 7},     {Str("-12ab"), -12}, {Str("4294967297"), 1},
        {Real(2.5), 2},     {Real(3.5), 4},     {Real(-2.5), -2},    {Real(1.4999), 1},
        {Int(-9), -9},      {TData{}, 0},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(ToString(c.value).str());
        EXPECT_EQ(ToInteger(c.value), c.expected);
    }
}

TEST(ConversionTest, StrToReal) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"1.5", 1.5}, {"-2.25", -2.25}, {"1.2.3", 1.2}, {"2e3", 2000.0}, {"x1y2", 12.0}, {"", 0.0}, {"1e-2", 0.01},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(StrToReal(c.text), c.expected);
    }
    // A NUL byte is one more character to skip, not the end of the text.
    EXPECT_DOUBLE_EQ(StrToReal(std::string_view("1\0" "5.5", 5)), 15.5);
}

TEST(ConversionTest, ToStringAndIsNonZero) {
    EXPECT_EQ(ToString(Int(-42)), "-42");
    for (int32_t i : {0, 7, -1, 10, 1000000, INT32_MAX, INT32_MIN})
        EXPECT_EQ(ToString(Int(i)), std::to_string(i)) << i;
    EXPECT_EQ(ToString(Real(2.5)), "2.5");
    EXPECT_EQ(ToString(TData{}), "");
    EXPECT_TRUE(IsNonZero(TData{}));
    EXPECT_TRUE(IsNonZero(Str("")));
    EXPECT_FALSE(IsNonZero(Int(0)));
    EXPECT_STREQ(DataTypeName(Tag::Break), "Break");
    EXPECT_STREQ(DataTypeName(Tag::Array | ForwardFlag), "Array");
}

TEST(ConversionTest, StringRefHandsBackTheHeldStringAndConvertsTheRestIntoTheSpare) {
    struct Case {
        const char* name;
        TData value;
        uint8_t flag;
        const char* expected;
        bool own;  // the answer is the record's own string, the spare untouched
    };
    const Case cases[] = {
        {"a String", Str("held"), 0, "held", true},
        {"a String on its way", Str("flagged"), ForwardFlag, "flagged", true},
        {"an Integer", Int(-7), 0, "-7", false},
        {"a Real", Real(0.5), 0, "0.5", false},
        {"NULL", TData{}, 0, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TData value = c.value;
        value.DataType |= c.flag;
        Bytes spare = "stale";
        const Bytes& answer = StringRef(value, spare);
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(&answer == &value.StrValue, c.own);
        EXPECT_EQ(&answer == &spare, !c.own);
        EXPECT_EQ(ToString(value), answer);
    }
}

TEST(BuilderTest, ForwardingBuildersSetTheFlagAndTheEvent) {
    THI_Event ev;
    TData next = Int(2);
    TData d = Int(1);
    d.Next = &next;
    ForwardInteger(d, ev, 5);
    EXPECT_EQ(d.DataType, Tag::Integer | ForwardFlag);
    EXPECT_EQ(d.ForwardEvent, &ev);
    EXPECT_EQ(d.Next, nullptr);

    TData s = Str("x");
    ForwardCopy(d, ev, s);
    EXPECT_EQ(d.DataType, Tag::String | ForwardFlag);
    EXPECT_EQ(d.StrValue, "x");

    CopyValue(d, s);
    EXPECT_EQ(d.DataType, Tag::String);
    EXPECT_EQ(d.ForwardEvent, nullptr);
}

TEST(BuilderTest, PassingOnAddsTheFlagSoARecordThatCarriesItLosesIt) {
    THI_Event ev;
    TData d = Str("x");
    ForwardData(d, ev);
    EXPECT_EQ(d.DataType, Tag::String | ForwardFlag);
    ForwardData(d, ev);
    EXPECT_EQ(d.DataType, Tag::String);

    TData flagged = Int(3);
    flagged.DataType |= ForwardFlag;
    ForwardCopy(d, ev, flagged);
    EXPECT_EQ(d.DataType, Tag::Integer);
    EXPECT_EQ(d.IntValue, 3);
    EXPECT_EQ(d.ForwardEvent, &ev);
}

// Passes a stored value on with ForwardCopy, as THIMemory does.
struct StoredValueRelay {
    TData stored;
    THI_Event onData;
    void doEvent(TData& d, uint16_t) { ForwardCopy(d, onData, stored); }
};

using ForwardingTest = HooksActiveTest;

TEST_F(ForwardingTest, AStoredValueThatCarriesTheFlagEndsTheDispatch) {
    RecordingProbe next = Probe("next");
    StoredValueRelay relay{Int(3), Point<&RecordingProbe::doEvent>(next)};
    RaiseNull(Point<&StoredValueRelay::doEvent>(relay));
    relay.stored.DataType |= ForwardFlag;
    RaiseNull(Point<&StoredValueRelay::doEvent>(relay));
    EXPECT_EQ(journal, Journal{"next:3"});
}

}  // namespace
