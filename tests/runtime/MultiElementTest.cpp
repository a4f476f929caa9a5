// Containers pass calls both ways and build their inner scheme exactly once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/MultiElement.h"

namespace {

std::vector<std::string> journal;

// Inner component: doubles an integer into the record it was given, reads data point #0
// of the view and reports its start-up call.
struct Doubler {
    THI_Event onOut;
    THI_Event Extra;
    Doubler() { AddInit<&Doubler::Started>(*this); }
    void Started() { journal.push_back("started"); }
    void doWork(TData& d, uint16_t) {
        journal.push_back("work");
        int32_t extra = ReadInteger(d, Extra, 0);
        SetInteger(d, d.IntValue * 2 + extra);
        RaiseInteger(onOut, d.IntValue);
    }
};

int builtSchemes = 0;

struct InnerScheme : TScheme {
    THIEditMultiEx View;
    Doubler Worker;
    explicit InnerScheme(TControl*) {
        ++builtSchemes;
        Worker.onOut = Point<&THIEditMultiBase::doEvent>(View, 0);
        Worker.Extra = Point<&THIEditMultiBase::Data>(View, 0);
        View.SetWorkCount(1);
        View.WorkPoints[0] = Point<&Doubler::doWork>(Worker);
        View.Scheme = this;
    }
    ~InnerScheme() override { --builtSchemes; }
};

struct Sink {
    std::vector<int32_t> got;
    void doIt(TData& d, uint16_t) { got.push_back(d.IntValue); }
};

struct Source {
    int32_t value;
    void Value(TData& d, uint16_t) { SetInteger(d, value); }
};

class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        InitDone = false;
        ActivateHooks();
    }
    void TearDown() override { DeactivateHooks(); }
};

TEST_F(ContainerTest, CallsPassBothWaysAndResultsReachTheCaller) {
    Sink sink;
    Source source{1};
    {
        THIMultiElementEx box(nullptr);
        box.SetFactory(&MakeScheme<InnerScheme>);
        EXPECT_EQ(builtSchemes, 1);
        box.SetEventCount(1);
        box.SetDataCount(1);
        box.EventPoints[0] = Point<&Sink::doIt>(sink);
        box.DataPoints[0] = Point<&Source::Value>(source);
        RunInitQueue();

        TData d;
        SetInteger(d, 5);
        box.doWork(d, 0);
        EXPECT_EQ(d.IntValue, 11);  // written inside, seen outside
        EXPECT_EQ(sink.got, (std::vector<int32_t>{11}));

        // Unconnected outside: Break inside, so the read takes the record's first value and
        // the chain moves on to the next.
        box.DataPoints[0] = THI_Event{};
        TData second;
        SetInteger(second, 100);
        SetInteger(d, 5);
        d.Next = &second;
        box.doWork(d, 0);
        EXPECT_EQ(sink.got.back(), 100 * 2 + 5);
    }
    EXPECT_EQ(builtSchemes, 0);
}

TEST_F(ContainerTest, OnDemandBuildsOnceAndRunsItsStartCallsFirst) {
    InitDone = true;  // start-up is over
    THIMultiElement box(nullptr);
    box.CreateOnDemand = true;
    box.SetFactory(&MakeScheme<InnerScheme>);
    box.SetEventCount(1);
    box.SetDataCount(1);
    EXPECT_EQ(builtSchemes, 0);
    EXPECT_EQ(box.Inner, nullptr);

    TData d;
    SetInteger(d, 1);
    box.doWork(d, 0);
    box.doWork(d, 0);
    EXPECT_EQ(builtSchemes, 1);
    EXPECT_EQ(journal, (std::vector<std::string>{"started", "work", "work"}));
}

TEST_F(ContainerTest, DuringStartUpQueuedCallsWaitForTheStartUpRun) {
    THIMultiElementEx box(nullptr);
    box.SetFactory(&MakeScheme<InnerScheme>);
    EXPECT_TRUE(journal.empty());
    RunInitQueue();
    EXPECT_EQ(journal, (std::vector<std::string>{"started"}));
}

}  // namespace
