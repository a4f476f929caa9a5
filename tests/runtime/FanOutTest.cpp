// The hub's fan-out: outputs after one that closes the hooks, forward chains, flagged records.
#include <gtest/gtest.h>

#include "runtime/THIHub.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using FanOutTest = HooksActiveTest;

// Passes on a new text in place of what it was given, as the string components do.
struct ForwardingRewriter {
    THI_Event onEvent;
    void doEvent(TData& d, uint16_t) { ForwardString(d, onEvent, Bytes("rewritten")); }
};

TEST_F(FanOutTest, NoOutputFiresAfterOneClosesTheHooks) {
    RecordingProbe closer = Probe("closer");
    closer.then = [] { DeactivateHooks(); };  // as the main form accepting its close request
    RecordingProbe after = Probe("after");
    THIHub hub;
    hub.SetOutCount(2);
    hub.onEvent[0] = Point<&RecordingProbe::doEvent>(closer);
    hub.onEvent[1] = Point<&RecordingProbe::doEvent>(after);

    RaiseInteger(Point<&THIHub::doEvent>(hub), 1);
    EXPECT_EQ(journal, Journal{"closer:1"});
}

TEST_F(FanOutTest, AnOutputsForwardChainRunsToItsEndOnItsOwnCopy) {
    ForwardingRewriter rewriter;
    ForwardingRelay relay;
    RecordingProbe end = Probe("end");
    RecordingProbe second = Probe("second");
    rewriter.onEvent = Point<&ForwardingRelay::doEvent>(relay);
    relay.onEvent = Point<&RecordingProbe::doEvent>(end, 3);
    THIHub hub;
    hub.SetOutCount(2);
    hub.onEvent[0] = Point<&ForwardingRewriter::doEvent>(rewriter);
    hub.onEvent[1] = Point<&RecordingProbe::doEvent>(second);

    TData d = Int(1);
    CallEvent(Point<&THIHub::doEvent>(hub), d);
    EXPECT_EQ(journal, (Journal{"end:'rewritten'", "second:1"}));
    EXPECT_EQ(end.last.DataType, Tag::String);  // the flag is cleared on arrival
    EXPECT_EQ(end.lastIndex, 3);
    EXPECT_EQ(Describe(d), "1");
}

TEST_F(FanOutTest, AFlaggedRecordWithoutForwardEventEndsItsOutputsDispatch) {
    // CopyValue of a flagged record keeps the flag and cuts ForwardEvent: a method that leaves
    // such a record as it is ends its dispatch, and the next output still fires.
    RecordingProbe first = Probe("first");
    RecordingProbe second = Probe("second");
    THIHub hub;
    hub.SetOutCount(2);
    hub.onEvent[0] = Point<&RecordingProbe::doEvent>(first);
    hub.onEvent[1] = Point<&RecordingProbe::doEvent>(second);

    TData flagged;
    ForwardInteger(flagged, hub.onEvent[0], 5);
    TData d;
    CopyValue(d, flagged);
    CallEvent(Point<&THIHub::doEvent>(hub), d);
    EXPECT_EQ(journal, (Journal{"first:5", "second:5"}));
}

}  // namespace
