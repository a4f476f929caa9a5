// The reads by reference answer what ReadData and ReadString answer and leave the record as
// they leave it, for every kind of point, default and record.
#include <gtest/gtest.h>

#include "runtime/ReadDataRef.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using ReadDataRefTest = HooksActiveTest;

const PointCase kPoints[] = {{"unconnected", false, {}}, {"answering", true, Int(7)}, {"answering Break", true, BreakValue()}};
const RecordCase kRecords[] = {{"NULL", {}}, {"single", {Int(3)}}, {"chained", {Int(3), Str("four")}},
                               {"NULL chained", {TData(), Int(4)}}};

TEST_F(ReadDataRefTest, AnswersAndConsumesAsReadData) {
    const TData defaults[] = {TData(), Int(5)};
    for (const PointCase& p : kPoints)
        for (const RecordCase& r : kRecords)
            for (const TData& def : defaults)
                for (const bool withDefault : {false, true}) {
                    SCOPED_TRACE(std::string(p.name) + ", " + r.name + ", default " + Describe(def) +
                                 (withDefault ? "" : " not given"));
                    ValueSource source{p.answer};
                    const THI_Event point = p.connected ? Point<&ValueSource::Value>(source) : THI_Event{};
                    const TData* given = withDefault ? &def : nullptr;
                    Chain expectedChain(r.values), actualChain(r.values);
                    TData expectedRecord = expectedChain.Head(), actualRecord = actualChain.Head();
                    const TData expected = ReadData(expectedRecord, point, given);
                    TData spare;
                    const TData& actual = ReadDataRef(actualRecord, point, given, spare);
                    EXPECT_EQ(Describe(actual), Describe(expected));
                    EXPECT_EQ(actual.Next, nullptr);
                    EXPECT_EQ(Describe(actualRecord), Describe(expectedRecord));
                }
}

TEST_F(ReadDataRefTest, StringAnswersAndConsumesAsReadString) {
    const PointCase points[] = {
        {"unconnected", false, {}}, {"answering", true, Str("point")}, {"answering Break", true, BreakValue()}};
    const RecordCase records[] = {{"NULL", {}},
                                  {"single", {Str("one")}},
                                  {"chained", {Str("one"), Int(2)}},
                                  {"NULL chained", {TData(), Str("two")}}};
    for (const PointCase& p : points)
        for (const RecordCase& r : records)
            for (const char* def : {"", "default"}) {
                SCOPED_TRACE(std::string(p.name) + ", " + r.name + ", default '" + def + "'");
                ValueSource source{p.answer};
                const THI_Event point = p.connected ? Point<&ValueSource::Value>(source) : THI_Event{};
                const Bytes given = def;
                Chain expectedChain(r.values), actualChain(r.values);
                TData expectedRecord = expectedChain.Head(), actualRecord = actualChain.Head();
                const Bytes expected = ReadString(expectedRecord, point, given);
                Bytes spare;
                EXPECT_EQ(ReadStringRef(actualRecord, point, given, spare), expected);
                EXPECT_EQ(Describe(actualRecord), Describe(expectedRecord));
            }
}

}  // namespace
