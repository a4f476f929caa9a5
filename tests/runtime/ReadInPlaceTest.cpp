// The reads in place answer what ReadString, ReadInteger and ReadReal answer and leave the
// record as they leave it, for every kind of point, default and record.
#include <gtest/gtest.h>

#include "runtime/ReadInPlace.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using ReadInPlaceTest = HooksActiveTest;

struct PointCase {
    const char* name;
    bool connected;
    TData answer;  // what a connected point answers
};

struct RecordCase {
    const char* name;
    std::vector<TData> values;  // empty: a NULL record
};

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

TEST_F(ReadInPlaceTest, StringAnswersAndConsumesAsReadString) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const Bytes def = withDefault ? Bytes("default") : Bytes();
        const Bytes expected = ReadString(expectedRecord, point, def);
        Bytes spare;
        EXPECT_EQ(ReadStringInPlace(actualRecord, point, def, spare), expected);
    });
}

TEST_F(ReadInPlaceTest, IntegerAnswersAndConsumesAsReadInteger) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const int32_t def = withDefault ? 9 : 0;
        EXPECT_EQ(ReadIntegerInPlace(actualRecord, point, def), ReadInteger(expectedRecord, point, def));
    });
}

TEST_F(ReadInPlaceTest, RealAnswersAndConsumesAsReadReal) {
    ForEveryCase([](const THI_Event& point, bool withDefault, TData& expectedRecord, TData& actualRecord) {
        const double def = withDefault ? 0.25 : 0.0;
        EXPECT_EQ(ReadRealInPlace(actualRecord, point, def), ReadReal(expectedRecord, point, def));
    });
}

}  // namespace
