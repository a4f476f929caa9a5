// ReadString, ReadInteger, ReadReal and ReadStringRef, whose common cases are taken in line,
// answer what the read rule answers and leave the record as the rule leaves it, for every
// kind of point, default and record.
#include <gtest/gtest.h>

#include "runtime/ReadDataRef.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using ReadRuleTest = HooksActiveTest;

// The read rule step by step, with `convert` the conversion to the wanted kind: a connected
// point's answer unless it is Break; else a non-empty default; else the record's first value,
// consumed; else the empty default.
template <class T, class Convert>
T ByTheRule(TData& d, const THI_Event& point, const T& def, Convert convert) {
    if (point.Method) {
        TData answer;
        point.Method(point.Target, answer, point.Index);
        if (answer.Tag() != Tag::Break) return convert(answer);
    }
    if (def != T() || d.Tag() == Tag::Null) return def;
    const T result = convert(d);
    if (d.Next) {
        const TData next = *d.Next;
        d = next;
    } else {
        d.DataType = Tag::Null;
    }
    return result;
}

const PointCase kPoints[] = {{"unconnected", false, {}},         {"answering Integer", true, Int(7)},
                             {"answering String", true, Str("12")}, {"answering Real", true, Real(2.5)},
                             {"answering NULL", true, Null()},      {"answering Break", true, BreakValue()}};
const RecordCase kRecords[] = {{"NULL", {}},
                               {"single Integer", {Int(3)}},
                               {"single String", {Str("4.5")}},
                               {"single Real", {Real(-1.5)}},
                               {"chained", {Int(3), Str("four")}},
                               {"NULL chained", {TData(), Int(4)}}};

// Runs `check` for every point, record and default; it compares one reader with its model.
template <class Check>
void ForEveryCase(Check check) {
    for (const PointCase& p : kPoints)
        for (const RecordCase& r : kRecords)
            for (const bool withDefault : {false, true}) {
                SCOPED_TRACE(std::string(p.name) + ", " + r.name + (withDefault ? ", default" : ", no default"));
                ValueSource source{p.answer};
                const THI_Event point = p.connected ? Point<&ValueSource::Value>(source) : THI_Event{};
                Chain expectedChain(r.values), actualChain(r.values);
                TData expectedRecord = expectedChain.Head(), actualRecord = actualChain.Head();
                check(point, withDefault, expectedRecord, actualRecord);
                EXPECT_EQ(Describe(actualRecord), Describe(expectedRecord));
            }
}

TEST_F(ReadRuleTest, StringAnswersAndConsumesByTheRule) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const Bytes def = withDefault ? Bytes("default") : Bytes();
        const Bytes expected = ByTheRule(expectedRecord, point, def, ToString);
        EXPECT_EQ(ReadString(actualRecord, point, def), expected);
    });
}

TEST_F(ReadRuleTest, StringByReferenceAnswersAndConsumesByTheRule) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const Bytes def = withDefault ? Bytes("default") : Bytes();
        const Bytes expected = ByTheRule(expectedRecord, point, def, ToString);
        Bytes spare;
        EXPECT_EQ(ReadStringRef(actualRecord, point, def, spare), expected);
    });
}

TEST_F(ReadRuleTest, IntegerAnswersAndConsumesByTheRule) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const int32_t def = withDefault ? 9 : 0;
        EXPECT_EQ(ReadInteger(actualRecord, point, def), ByTheRule(expectedRecord, point, def, ToInteger));
    });
}

TEST_F(ReadRuleTest, RealAnswersAndConsumesByTheRule) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const double def = withDefault ? 0.25 : 0.0;
        EXPECT_EQ(ReadReal(actualRecord, point, def), ByTheRule(expectedRecord, point, def, ToReal));
    });
}

}  // namespace
