// A memory's clear leaves its caller's record as passing the default on with the dispatcher
// does, whether anyone listens to the memory or not.
#include <gtest/gtest.h>

#include "runtime/THIMemory.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using MemoryClearTest = HooksActiveTest;

// Passes its stored value on with ForwardCopy alone, as a clear did before it ended unheard
// dispatches itself.
struct CopyPasser {
    TData stored;
    THI_Event onData;
    void doEvent(TData& d, uint16_t) { ForwardCopy(d, onData, stored); }
};

struct Outcome {
    Journal journal;
    std::string seen;  // the caller's record afterwards
    uint8_t dataType;
};

template <class Target, auto Method>
Outcome Cleared(Target& target, Journal& journal) {
    journal.clear();
    TData d = Str("row");
    CallEvent(Point<Method>(target), d);
    return {journal, Describe(d), d.DataType};
}

TEST_F(MemoryClearTest, LeavesTheCallerAsPassingTheDefaultOnDoes) {
    for (bool connected : {true, false}) {
        for (bool defaultFlagged : {false, true}) {
            SCOPED_TRACE(testing::Message() << "connected " << connected << ", flagged " << defaultFlagged);
            RecordingProbe listener = Probe("listener");
            TData def = Int(4);
            if (defaultFlagged) def.DataType |= ForwardFlag;
            THIMemory memory;
            memory.SetDefault(def);
            CopyPasser passer{memory.Default};
            if (connected) {
                memory.onData = Point<&RecordingProbe::doEvent>(listener);
                passer.onData = memory.onData;
            }
            const Outcome passed = Cleared<CopyPasser, &CopyPasser::doEvent>(passer, journal);
            const Outcome cleared = Cleared<THIMemory, &THIMemory::doClear>(memory, journal);
            EXPECT_EQ(cleared.journal, passed.journal);
            EXPECT_EQ(cleared.seen, passed.seen);
            EXPECT_EQ(cleared.dataType, passed.dataType);
        }
    }
    // Not empty-handed: the caller sees the default, and a listener hears it unless the default
    // carries the flag, which passing it on takes off.
    RecordingProbe listener = Probe("listener");
    THIMemory memory;
    memory.SetDefault(Int(4));
    memory.onData = Point<&RecordingProbe::doEvent>(listener);
    const Outcome heard = Cleared<THIMemory, &THIMemory::doClear>(memory, journal);
    EXPECT_EQ(heard.journal, Journal{"listener:4"});
    EXPECT_EQ(heard.seen, "4");
    EXPECT_EQ(heard.dataType, Tag::Integer);
}

}  // namespace
