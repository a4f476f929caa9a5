// Containers pass calls both ways and build their inner scheme exactly once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/MultiElement.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

// Inner component: doubles an integer into the record it was given, reads data point #0
// of the view, and reports its start-up call and each call of its work through onReport.
struct Doubler {
    THI_Event onOut;
    THI_Event onReport;
    THI_Event Extra;
    Doubler() { AddInit<&Doubler::Started>(*this); }
    void Started() { RaiseString(onReport, "started"); }
    void doWork(TData& d, uint16_t) {
        RaiseString(onReport, "work");
        int32_t extra = ReadInteger(d, Extra, 0);
        SetInteger(d, d.IntValue * 2 + extra);
        RaiseInteger(onOut, d.IntValue);
    }
};

// Container points: method #0 the doubler's work; events #0 its result, #1 its reports; data
// point #0 the extra addend.
struct InnerScheme : TScheme {
    THIEditMultiEx View;
    Doubler Worker;
    int* liveSchemes = nullptr;  // counted down on destruction when a test sets it
    explicit InnerScheme(TControl*) {
        Worker.onOut = Point<&THIEditMultiBase::doEvent>(View, 0);
        Worker.onReport = Point<&THIEditMultiBase::doEvent>(View, 1);
        Worker.Extra = Point<&THIEditMultiBase::Data>(View, 0);
        View.SetWorkCount(1);
        View.WorkPoints[0] = Point<&Doubler::doWork>(Worker);
        View.Scheme = this;
    }
    ~InnerScheme() override {
        if (liveSchemes) --*liveSchemes;
    }
};

class ContainerTest : public HooksActiveTest {
protected:
    void SetUp() override {
        HooksActiveTest::SetUp();
        InitDone = false;
    }

    // Sizes the container's points and sends the inner results and reports to the probes.
    void Connect(THIContainerBase& box) {
        box.SetEventCount(2);
        box.SetDataCount(1);
        box.EventPoints[0] = Point<&RecordingProbe::doEvent>(out);
        box.EventPoints[1] = Point<&RecordingProbe::doEvent>(report);
    }

    RecordingProbe out = Probe("out");
    RecordingProbe report = Probe("report");
};

TEST_F(ContainerTest, CallsPassBothWaysAndResultsReachTheCaller) {
    ValueSource extra{Int(1)};
    int liveSchemes = 1;
    {
        THIMultiElementEx box(nullptr);
        box.SetFactory(&MakeScheme<InnerScheme>);
        ASSERT_NE(box.Inner, nullptr);
        EXPECT_EQ(box.Instances.size(), 1u);
        static_cast<InnerScheme*>(box.Inner->Scheme)->liveSchemes = &liveSchemes;
        Connect(box);
        box.DataPoints[0] = Point<&ValueSource::Value>(extra);
        RunInitQueue();

        TData d = Int(5);
        box.doWork(d, 0);
        EXPECT_EQ(d.IntValue, 11);  // written inside, seen outside

        // Unconnected outside: Break inside, so the read takes the record's first value and
        // the chain moves on to the next.
        box.DataPoints[0] = THI_Event{};
        Chain chain{Int(5), Int(100)};
        d = chain.Head();
        box.doWork(d, 0);
        EXPECT_EQ(journal, (Journal{"report:'started'", "report:'work'", "out:11", "report:'work'",
                                    "out:" + std::to_string(100 * 2 + 5)}));
    }
    EXPECT_EQ(liveSchemes, 0);
}

TEST_F(ContainerTest, OnDemandBuildsOnceAndRunsItsStartCallsFirst) {
    InitDone = true;  // start-up is over
    THIMultiElement box(nullptr);
    box.CreateOnDemand = true;
    box.SetFactory(&MakeScheme<InnerScheme>);
    Connect(box);
    ValueSource noExtra{Int(0)};
    box.DataPoints[0] = Point<&ValueSource::Value>(noExtra);
    EXPECT_EQ(box.Inner, nullptr);

    TData d = Int(1);
    box.doWork(d, 0);
    THIEditMultiBase* built = box.Inner;
    box.doWork(d, 0);
    EXPECT_EQ(box.Inner, built);
    EXPECT_EQ(journal, (Journal{"report:'started'", "report:'work'", "out:2", "report:'work'", "out:4"}));
}

TEST_F(ContainerTest, DuringStartUpQueuedCallsWaitForTheStartUpRun) {
    THIMultiElementEx box(nullptr);
    Connect(box);  // before the factory, so the start call has somewhere to report
    box.SetFactory(&MakeScheme<InnerScheme>);
    EXPECT_TRUE(journal.empty());
    RunInitQueue();
    EXPECT_EQ(journal, Journal{"report:'started'"});
}

}  // namespace
