// The dispatcher with its forward loop, the read rules and the start-up queue.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/Dispatch.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using HooksOn = HooksActiveTest;

TEST_F(HooksOn, UnconnectedEventRaisesNothing) {
    TData d = Int(1);
    CallEvent(THI_Event{}, d);
    RaiseInteger(THI_Event{}, 1);
    EXPECT_EQ(d.IntValue, 1);
}

TEST_F(HooksOn, AMillionPassThroughComponentsRunAsALoop) {
    // A recursive dispatch would need megabytes of stack here and crash.
    std::vector<ForwardingRelay> chain(1000000);
    RecordingProbe end = Probe("end");
    for (size_t i = 0; i + 1 < chain.size(); ++i)
        chain[i].onEvent = Point<&ForwardingRelay::doEvent>(chain[i + 1]);
    chain.back().onEvent = Point<&RecordingProbe::doEvent>(end, 3);
    RaiseString(Point<&ForwardingRelay::doEvent>(chain[0]), "far");
    EXPECT_EQ(journal, Journal{"end:'far'"});
    EXPECT_EQ(end.last.DataType, Tag::String);  // the flag is cleared on arrival
    EXPECT_EQ(end.lastIndex, 3);
}

struct Rewriter {
    THI_Event onEvent;
    void doEvent(TData& d, uint16_t) { ForwardInteger(d, onEvent, 42); }
};

TEST_F(HooksOn, CallEventSeesDownstreamChangesAndRaiseDoesNot) {
    Rewriter r;  // forwards into an unconnected event: the dispatch ends there
    TData d = Int(1);
    CallEvent(Point<&Rewriter::doEvent>(r), d);
    EXPECT_EQ(d.DataType, Tag::Integer);  // the flag is cleared
    EXPECT_EQ(d.IntValue, 42);

    TData e = Int(1);
    RaiseEvent(Point<&Rewriter::doEvent>(r), e);
    EXPECT_EQ(e.IntValue, 1);
}

TEST_F(HooksOn, InactiveHooksCarryNothing) {
    RecordingProbe p = Probe("p");
    DeactivateHooks();
    RaiseInteger(Point<&RecordingProbe::doEvent>(p), 1);
    ValueSource s{Int(9)};
    TData d;
    EXPECT_EQ(ReadInteger(d, Point<&ValueSource::Value>(s)), 0);
    EXPECT_TRUE(journal.empty());
}

TEST_F(HooksOn, ReadStringTakesSuccessiveValuesOfAChain) {
    TData b = Str("b");
    TData d = Str("a");
    d.Next = &b;
    EXPECT_EQ(ReadString(d, THI_Event{}), "a");
    EXPECT_EQ(ReadString(d, THI_Event{}), "b");
    EXPECT_EQ(d.DataType, Tag::Null);
    EXPECT_EQ(ReadString(d, THI_Event{}), "");
}

TEST_F(HooksOn, NonEmptyDefaultsWinOverTheRecord) {
    TData d = Int(7);
    EXPECT_EQ(ReadInteger(d, THI_Event{}, 5), 5);
    EXPECT_EQ(d.IntValue, 7);
    EXPECT_EQ(ReadString(d, THI_Event{}, "dflt"), "dflt");
    EXPECT_EQ(ReadInteger(d, THI_Event{}, 0), 7);
    EXPECT_EQ(d.DataType, Tag::Null);
}

TEST_F(HooksOn, ConnectedPointWinsUnlessItAnswersBreak) {
    ValueSource s{Str("12")};
    TData d = Int(7);
    EXPECT_EQ(ReadInteger(d, Point<&ValueSource::Value>(s), 5), 12);
    EXPECT_EQ(d.IntValue, 7);

    s.value.DataType = Tag::Break;
    EXPECT_EQ(ReadInteger(d, Point<&ValueSource::Value>(s), 5), 5);
    EXPECT_EQ(ReadInteger(d, Point<&ValueSource::Value>(s), 0), 7);
}

TEST_F(HooksOn, ReadDataTwiceFromOneUnchainedRecord) {
    TData d = Int(3);
    EXPECT_EQ(ReadData(d, THI_Event{}).IntValue, 3);
    EXPECT_EQ(ReadData(d, THI_Event{}).IntValue, 3);

    TData second = Int(4);
    d.Next = &second;
    TData first = ReadData(d, THI_Event{});
    EXPECT_EQ(first.IntValue, 3);
    EXPECT_EQ(first.Next, nullptr);
    EXPECT_EQ(d.IntValue, 4);

    TData def = Str("d");
    TData empty;
    EXPECT_EQ(ReadData(empty, THI_Event{}, &def).StrValue, "d");
    EXPECT_EQ(TakeValue(d).IntValue, 4);
}

TEST_F(HooksOn, TakenStringsOutliveTheirRecordAndLeaveTheirSourcesWhole) {
    // A read hands over the bytes of the record it consumes; the answering component and the
    // rest of a chain keep their own values, and the taken string outlives the record.
    ValueSource s{Str("kept by the source")};
    TData rest = Str("second");
    Bytes fromPoint, fromRecord, fromChain;
    {
        TData d = Str("first");
        d.Next = &rest;
        fromPoint = ReadString(d, Point<&ValueSource::Value>(s));
        fromRecord = ReadString(d, THI_Event{});
        fromChain = ReadData(d, THI_Event{}).StrValue;
        EXPECT_EQ(d.DataType, Tag::String);  // the last value of a chain is read, not consumed
    }
    EXPECT_EQ(fromPoint, "kept by the source");
    EXPECT_EQ(s.value.StrValue, "kept by the source");
    EXPECT_EQ(fromRecord, "first");
    EXPECT_EQ(fromChain, "second");
    EXPECT_EQ(rest.StrValue, "second");

    TData first = Str("one");
    first.Next = &rest;
    TData taken = ReadData(first, THI_Event{});
    EXPECT_EQ(taken.StrValue, "one");
    EXPECT_EQ(first.StrValue, "second");
    EXPECT_EQ(rest.StrValue, "second");
}

TEST_F(HooksOn, ReadRawMarksAnUnconnectedPointAsBreak) {
    TData d = Int(1);
    ReadRaw(d, THI_Event{});
    EXPECT_EQ(d.DataType, Tag::Break);
    EXPECT_EQ(PullInteger(THI_Event{}), 0);
    EXPECT_EQ(PullString(THI_Event{}), "");
    EXPECT_EQ(ReadArray(THI_Event{}), nullptr);
}

struct Starter {
    std::vector<int>* log;
    int id;
    void Start() { log->push_back(id); }
};

TEST(InitQueueTest, RunsInOrderOnceAndSetsInitDone) {
    std::vector<int> log;
    Starter a{&log, 1}, b{&log, 2};
    AddInit<&Starter::Start>(a);
    AddInit<&Starter::Start>(b);
    RunInitQueue();
    RunInitQueue();
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
    EXPECT_TRUE(InitDone);
}

}  // namespace
