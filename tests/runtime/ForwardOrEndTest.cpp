// ForwardDataOrEnd leaves every dispatch as ForwardData does, whether the next point is
// connected or not and whether the record arrives flagged or not.
#include <gtest/gtest.h>

#include "runtime/ForwardOrEnd.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

using ForwardOrEndTest = HooksActiveTest;

// Passes what it receives on, by either builder.
template <void (*Pass)(TData&, const THI_Event&)>
struct Passer {
    THI_Event onEvent;
    void doEvent(TData& d, uint16_t) { Pass(d, onEvent); }
};

struct Outcome {
    Journal journal;
    uint8_t dataType;
};

template <void (*Pass)(TData&, const THI_Event&)>
Outcome Dispatched(bool connected, bool arrivesFlagged) {
    Outcome outcome;
    RecordingProbe end{&outcome.journal, "end"};
    Passer<Pass> passer;
    if (connected) passer.onEvent = Point<&RecordingProbe::doEvent>(end);
    TData d = Int(7);
    if (arrivesFlagged) d.DataType |= ForwardFlag;
    CallEvent(Point<&Passer<Pass>::doEvent>(passer), d);
    outcome.dataType = d.DataType;
    return outcome;
}

TEST_F(ForwardOrEndTest, EndsEachDispatchAsPassingOnDoes) {
    for (bool connected : {true, false}) {
        for (bool arrivesFlagged : {false, true}) {
            SCOPED_TRACE(testing::Message() << "connected " << connected << ", flagged " << arrivesFlagged);
            const Outcome passed = Dispatched<&ForwardData>(connected, arrivesFlagged);
            const Outcome ended = Dispatched<&ForwardDataOrEnd>(connected, arrivesFlagged);
            EXPECT_EQ(ended.journal, passed.journal);
            EXPECT_EQ(ended.dataType, passed.dataType);
        }
    }
    // The table above is not empty-handed: a connected point is reached unless the record
    // arrived flagged, which adding the flag takes off.
    EXPECT_EQ(Dispatched<&ForwardDataOrEnd>(true, false).journal, Journal{"end:7"});
    EXPECT_TRUE(Dispatched<&ForwardDataOrEnd>(true, true).journal.empty());
}

}  // namespace
