// The routing components: hub order and copies, value injection, routing by index, memory and
// shared global variables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/THIDoData.h"
#include "runtime/THIGlobalVar.h"
#include "runtime/THIHub.h"
#include "runtime/THIIndexToChanel.h"
#include "runtime/THIMemory.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using HubTest = HooksActiveTest;

TEST_F(HubTest, FiresOutputsInOrderEachWithItsOwnCopyAndSkipsUnconnected) {
    // Output 0 rewrites its copy and passes it on before output 2 fires; output 1 is unconnected.
    RewritingProbe first{&journal, "first", {}};
    RecordingProbe nested = Probe("nested");
    RecordingProbe third = Probe("third");
    first.onEvent = Point<&RecordingProbe::doEvent>(nested);
    THIHub hub;
    hub.SetOutCount(3);
    hub.onEvent[0] = Point<&RewritingProbe::doEvent>(first);
    hub.onEvent[2] = Point<&RecordingProbe::doEvent>(third);

    Chain arriving{Int(1), Str("v")};
    TData d = arriving.Head();
    CallEvent(Point<&THIHub::doEvent>(hub, 3), d);  // every input index behaves alike

    EXPECT_EQ(journal, (Journal{"first:1,'v'", "nested:'rewritten'", "third:1,'v'"}));
    EXPECT_EQ(Describe(d), "1,'v'");
}

using DoDataTest = HooksActiveTest;

TEST_F(DoDataTest, SendsThePulledValueOrItsPropertyWhateverArrived) {
    struct Case {
        const char* name;
        bool connected;
        TData answer;    // what the connected data point answers
        TData property;
        const char* expected;
    };
    const Case cases[] = {
        {"unconnected, NULL property", false, Null(), Null(), "out:NULL"},
        {"unconnected, property", false, Null(), Str("x"), "out:'x'"},
        {"connected wins over property", true, Int(7), Str("x"), "out:7"},
        {"connected answering NULL", true, Null(), Str("x"), "out:NULL"},
        {"Break falls back on property", true, BreakValue(), Str("x"), "out:'x'"},
        {"Break with NULL property", true, BreakValue(), Null(), "out:NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        RecordingProbe out = Probe("out");
        ValueSource source{c.answer};
        THIDoData doData;
        doData.Data = c.property;
        if (c.connected) doData.DataPoint = Point<&ValueSource::Value>(source);
        doData.onEventData = Point<&RecordingProbe::doEvent>(out);

        Chain arriving{Int(5), Int(6)};
        RaiseEvent(Point<&THIDoData::doData>(doData), arriving.Head());
        EXPECT_EQ(journal, Journal{c.expected});
    }
}

TEST_F(DoDataTest, ItsPointReadsAFreshRecordAndOnlyTheAnswersFirstValueGoesOn) {
    // The point sees none of what arrived; a chained answer is cut to its first value.
    struct ChainAnswer {
        std::string seen;
        TData second = Str("tail");
        void Value(TData& d, uint16_t) {
            seen = Describe(d) + (d.Next ? "+chain" : "");
            d = Str("head");
            d.Next = &second;
        }
    } source;
    RecordingProbe out = Probe("out");
    THIDoData doData;
    doData.DataPoint = Point<&ChainAnswer::Value>(source);
    doData.onEventData = Point<&RecordingProbe::doEvent>(out);

    Chain arriving{Str("arrived"), Int(6)};
    RaiseEvent(Point<&THIDoData::doData>(doData), arriving.Head());
    EXPECT_EQ(source.seen, "NULL");
    EXPECT_EQ(journal, Journal{"out:'head'"});
}

using IndexToChanelTest = HooksActiveTest;

TEST_F(IndexToChanelTest, RoutesToTheNumberedOutputOrNowhere) {
    struct Case {
        const char* name;
        std::vector<TData> arriving;
        TData property;
        bool indexConnected;  // the Index point then answers 3
        Journal expected;
    };
    const Case cases[] = {
        {"chain (i, v) sends v to output i", {Int(2), Str("v")}, Null(), false, {"out2:'v'"}},
        {"single i sends the property", {Int(1)}, Str("d"), false, {"out1:'d'"}},
        {"single i with NULL property sends NULL", {Int(0)}, Null(), false, {"out0:NULL"}},
        {"property wins over the chain's value", {Int(2), Str("v")}, Str("d"), false, {"out2:'d'"}},
        {"connected index leaves the value to the record", {Str("v")}, Null(), true, {"out3:'v'"}},
        {"-1 raises nothing", {Int(-1), Str("v")}, Null(), false, {}},
        {"Count raises nothing", {Int(4), Str("v")}, Null(), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        std::vector<RecordingProbe> outs;
        for (const char* name : {"out0", "out1", "out2", "out3"}) outs.push_back(Probe(name));
        ValueSource index{Int(3)};
        THIIndexToChanel router;
        router.SetCount(4);
        for (size_t k = 0; k < outs.size(); ++k) router.onEvent[k] = Point<&RecordingProbe::doEvent>(outs[k]);
        router.Data = c.property;
        if (c.indexConnected) router.Index = Point<&ValueSource::Value>(index);

        Chain arriving(c.arriving);
        RaiseEvent(Point<&THIIndexToChanel::doEvent>(router), arriving.Head());
        EXPECT_EQ(journal, c.expected);
    }
}

using MemoryTest = HooksActiveTest;

TEST_F(MemoryTest, StoresTheFirstValueOfAChainAndRestoresItsDefault) {
    RecordingProbe changed = Probe("changed");
    THIMemory memory;
    memory.onData = Point<&RecordingProbe::doEvent>(changed);
    memory.SetDefault(Str("d"));
    TData read;
    CallEvent(Point<&THIMemory::Value>(memory), read);
    EXPECT_EQ(Describe(read), "'d'");

    Chain arriving{Int(1), Str("a")};
    RaiseEvent(Point<&THIMemory::doValue>(memory), arriving.Head());
    CallEvent(Point<&THIMemory::Value>(memory), read);
    EXPECT_EQ(Describe(read), "1");
    EXPECT_EQ(read.Next, nullptr);

    RaiseNull(Point<&THIMemory::doClear>(memory, 1));
    CallEvent(Point<&THIMemory::Value>(memory), read);
    EXPECT_EQ(Describe(read), "'d'");
    EXPECT_EQ(journal, (Journal{"changed:1", "changed:'d'"}));
}

using GlobalVarTest = HooksActiveTest;

TEST_F(GlobalVarTest, InstancesWithTheSameNameInAnyLetterCaseShareOneCell) {
    // Cells live for the whole run: the names here are used by no other test.
    THIGlobalVar writer, reader, otherCase, otherName;
    writer.SetName("GlobalVarTestIndex");
    reader.SetName("GlobalVarTestIndex");
    otherCase.SetName("GLOBALVARTESTINDEX");
    otherName.SetName("GlobalVarTestOther");

    Chain arriving{Int(7), Int(8)};
    RaiseEvent(Point<&THIGlobalVar::doValue>(writer), arriving.Head());

    for (THIGlobalVar* var : {&reader, &otherCase}) {
        TData read;
        CallEvent(Point<&THIGlobalVar::Value>(*var), read);
        EXPECT_EQ(Describe(read), "7");
    }
    TData unrelated;
    CallEvent(Point<&THIGlobalVar::Value>(otherName), unrelated);
    EXPECT_EQ(Describe(unrelated), "NULL");
}

TEST_F(GlobalVarTest, OnlyAsciiLettersAreFolded) {
    // cp1251 capital and small A (0xC0, 0xE0) are different names.
    TData* capital = LookupGlobal("GlobalVarTest\xC0");
    TData* small = LookupGlobal("globalvartest\xE0");
    EXPECT_NE(capital, small);
    EXPECT_EQ(capital, LookupGlobal("GLOBALVARTEST\xC0"));
}

TEST_F(GlobalVarTest, CellsKeepTheirAddressWhileTheRegistryGrows) {
    TData* cell = LookupGlobal("GlobalVarTestStable");
    SetInteger(*cell, 42);
    for (int i = 0; i < 5000; ++i) LookupGlobal(("GlobalVarTestFill" + std::to_string(i)).c_str());
    EXPECT_EQ(LookupGlobal("globalvarteststable"), cell);
    EXPECT_EQ(cell->IntValue, 42);
}

TEST_F(GlobalVarTest, AnEmptyNameIgnoresValuesAndAnswersNull) {
    THIGlobalVar unnamed;
    unnamed.SetName("");
    RaiseInteger(Point<&THIGlobalVar::doValue>(unnamed), 5);
    TData read = Int(9);
    CallEvent(Point<&THIGlobalVar::Value>(unnamed), read);
    EXPECT_EQ(Describe(read), "NULL");
    EXPECT_EQ(LookupGlobal(""), nullptr);
}

}  // namespace
