// The control components: the shared comparison, if-else, chains of cases, the switch, the
// counting loop and the math component.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "runtime/CompareValues.h"
#include "runtime/THICase.h"
#include "runtime/THIFor.h"
#include "runtime/THIIf_else.h"
#include "runtime/THIMath.h"
#include "runtime/THISwitch.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

TEST(CompareValuesTest, TheFirstOperandsTagDecides) {
    struct Case {
        const char* name;
        TData a, b;
        uint8_t kind;
        bool expected;
    };
    const Case cases[] = {
        {"text order compares lengths: abc < z", Str("abc"), Str("z"), Compare::Less, false},
        {"text order compares lengths: abc > z", Str("abc"), Str("z"), Compare::Greater, true},
        {"equal lengths are <=", Str("ab"), Str("zz"), Compare::LessOrEqual, true},
        {"equal lengths are >=", Str("zz"), Str("ab"), Compare::GreaterOrEqual, true},
        {"equal lengths, different text", Str("ab"), Str("zz"), Compare::Equal, false},
        {"text equality is exact", Str("abc"), Str("ABC"), Compare::Equal, false},
        {"text inequality is exact", Str("abc"), Str("ABC"), Compare::NotEqual, true},
        {"same text", Str("abc"), Str("abc"), Compare::Equal, true},
        {"text against Integer", Str("5"), Int(5), Compare::Equal, true},
        {"Integer against text", Int(5), Str("5"), Compare::Equal, true},
        {"Integer order is signed", Int(-2), Int(1), Compare::Less, true},
        {"Integer against Real rounds it: 3 > 2.5", Int(3), Real(2.5), Compare::Greater, true},
        {"Integer against non-numeric text", Int(0), Str("abc"), Compare::Equal, true},
        {"Real against text", Real(2.5), Str("2.5"), Compare::Equal, true},
        {"Real order", Real(1.0), Int(2), Compare::Less, true},
        {"Real not equal", Real(1.5), Real(1.5), Compare::NotEqual, false},
        {"other first tags are false", BreakValue(), Int(0), Compare::NotEqual, false},
        {"unknown kind is false", Int(1), Int(1), 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareValues(c.a, c.b, c.kind), c.expected);
    }
}

TEST(CompareValuesTest, NullFirstOperandIsFalseForEveryKind) {
    for (uint8_t kind = Compare::Equal; kind <= Compare::NotEqual; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_FALSE(CompareValues(Null(), Null(), kind));
        EXPECT_FALSE(CompareValues(Null(), Int(1), kind));
    }
}

using IfElseTest = HooksActiveTest;

TEST_F(IfElseTest, PassesTheRecordAsItArrivedOneWayOrTheOther) {
    struct Case {
        const char* name;
        std::vector<TData> arriving;
        TData op1, op2;
        uint8_t type;
        const char* expected;
    };
    const Case cases[] = {
        {"operands from the chain", {Int(3), Int(5)}, Null(), Null(), Compare::Less, "true:3,5"},
        {"operands from the chain, false", {Int(3), Int(5)}, Null(), Null(), Compare::Greater, "false:3,5"},
        {"property abc < z compares lengths", {Null()}, Str("abc"), Str("z"), Compare::Less, "false:NULL"},
        {"NULL first operand, not equal", {Null()}, Null(), Int(1), Compare::NotEqual, "false:NULL"},
        {"Integer 5 equals text 5", {Int(5)}, Null(), Str("5"), Compare::Equal, "true:5"},
        {"one value serves both reads", {Str("a")}, Null(), Null(), Compare::Equal, "true:'a'"},
        {"a longer chain gives its first two", {Int(3), Int(5), Int(1)}, Null(), Null(), Compare::Less, "true:3,5,1"},
        {"a default first, the chain's first second", {Int(7), Int(8)}, Int(7), Null(), Compare::Equal, "true:7,8"},
        {"a NULL at the head serves both reads", {Null(), Int(5)}, Null(), Null(), Compare::Equal, "false:NULL,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        RecordingProbe yes = Probe("true");
        RecordingProbe no = Probe("false");
        THIIf_else test;
        test.Type = c.type;
        test.Op1 = c.op1;
        test.Op2 = c.op2;
        test.onTrue = Point<&RecordingProbe::doEvent>(yes);
        test.onFalse = Point<&RecordingProbe::doEvent>(no);

        Chain arriving(c.arriving);
        RaiseEvent(Point<&THIIf_else::doCompare>(test), arriving.Head());
        EXPECT_EQ(journal, Journal{c.expected});
    }
}

TEST_F(IfElseTest, ConnectedOperandsWinOverTheRecord) {
    RecordingProbe yes = Probe("true");
    ValueSource first{Int(1)}, second{Int(2)};
    THIIf_else test;
    test.Type = Compare::Less;
    test.Op1Point = Point<&ValueSource::Value>(first);
    test.Op2Point = Point<&ValueSource::Value>(second);
    test.onTrue = Point<&RecordingProbe::doEvent>(yes);
    RaiseInteger(Point<&THIIf_else::doCompare>(test), 9);
    EXPECT_EQ(journal, Journal{"true:9"});
}

using CaseTest = HooksActiveTest;

TEST_F(CaseTest, TheFirstMatchingCaseOfAChainWins) {
    struct Case {
        const char* name;
        std::vector<TData> arriving;
        const char* expected;
    };
    const Case cases[] = {
        {"first case matches", {Str("["), Str("x")}, "bracket:NULL"},
        {"second case matches", {Str(";"), Str("x")}, "semicolon:NULL"},
        {"no case matches: the whole chain leaves", {Str("k"), Str("x")}, "none:'k','x'"},
        {"an Integer compares the text as a number: [ is 0", {Int(0)}, "bracket:NULL"},
        {"an Integer that is not 0", {Int(5)}, "none:5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        RecordingProbe bracket = Probe("bracket");
        RecordingProbe semicolon = Probe("semicolon");
        RecordingProbe none = Probe("none");
        THICase first, second;
        first.Value = Str("[");
        second.Value = Str(";");
        first.onMatch = Point<&RecordingProbe::doEvent>(bracket);
        first.onNext = Point<&THICase::doCase>(second);
        second.onMatch = Point<&RecordingProbe::doEvent>(semicolon);
        second.onNext = Point<&RecordingProbe::doEvent>(none);

        Chain arriving(c.arriving);
        RaiseEvent(Point<&THICase::doCase>(first), arriving.Head());
        EXPECT_EQ(journal, Journal{c.expected});
    }
}

TEST_F(CaseTest, TheCallersRecordLosesItsFirstValueWhetherOrNotTheCaseMatches) {
    struct Case {
        const char* name;
        const char* first;
        const char* expected;
    };
    const Case cases[] = {
        {"matches", "[", "match:NULL"},
        {"does not match", "k", "next:'k','x'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        RecordingProbe match = Probe("match");
        RecordingProbe next = Probe("next");
        THICase only;
        only.Value = Str("[");
        only.onMatch = Point<&RecordingProbe::doEvent>(match);
        only.onNext = Point<&RecordingProbe::doEvent>(next);

        Chain arriving({Str(c.first), Str("x")});
        TData d = arriving.Head();
        CallEvent(Point<&THICase::doCase>(only), d);
        EXPECT_EQ(journal, Journal{c.expected});
        EXPECT_EQ(d.StrValue, "x");
        EXPECT_EQ(d.Next, nullptr);
    }
}

using SwitchTest = HooksActiveTest;

TEST_F(SwitchTest, SwitchesOnThenResetsOffThenIgnoresAReset) {
    // onSwitch's receiver rewrites the record: onOn and onOff still get the state's value.
    RewritingProbe switched{&journal, "switch", {}};
    RecordingProbe on = Probe("on");
    RecordingProbe off = Probe("off");
    THISwitch toggle;
    toggle.DataOn = Int(0);
    toggle.DataOff = Int(1);
    toggle.SetInitial(1);
    toggle.onSwitch = Point<&RewritingProbe::doEvent>(switched);
    toggle.onOn = Point<&RecordingProbe::doEvent>(on);
    toggle.onOff = Point<&RecordingProbe::doEvent>(off);
    EXPECT_FALSE(toggle.State);
    EXPECT_EQ(Describe(toggle.Value), "1");

    RaiseNull(Point<&THISwitch::doSwitch>(toggle, 0));
    EXPECT_EQ(journal, (Journal{"switch:0", "on:0"}));
    journal.clear();
    RaiseNull(Point<&THISwitch::doReset>(toggle, 1));
    EXPECT_EQ(journal, (Journal{"switch:1", "off:1"}));
    journal.clear();
    RaiseNull(Point<&THISwitch::doReset>(toggle, 1));
    EXPECT_TRUE(journal.empty());
    EXPECT_FALSE(toggle.State);
}

TEST_F(SwitchTest, ConnectedStateValueWinsOverTheProperty) {
    RecordingProbe on = Probe("on");
    ValueSource source{Str("pulled")};
    THISwitch toggle;
    toggle.DataOn = Int(0);
    toggle.SetInitial(1);
    toggle.DataOnPoint = Point<&ValueSource::Value>(source);
    toggle.onOn = Point<&RecordingProbe::doEvent>(on);
    RaiseNull(Point<&THISwitch::doSwitch>(toggle));
    EXPECT_EQ(journal, Journal{"on:'pulled'"});
    EXPECT_EQ(Describe(toggle.Value), "'pulled'");
}

// A THIFor wired to probes; its onEvent receiver calls doStop in the iteration stopAt, and
// starts the loop over once in the iteration restartAt.
class ForTest : public HooksActiveTest {
protected:
    void SetUp() override {
        HooksActiveTest::SetUp();
        loop.onEvent = Point<&ForTest::Iteration>(*this);
        loop.onStop = Point<&RecordingProbe::doEvent>(stop);
        loop.onBreak = Point<&RecordingProbe::doEvent>(broken);
    }
    void Iteration(TData& d, uint16_t) {
        journal.push_back(Describe(d));
        if (stopAt == d.IntValue) RaiseNull(Point<&THIFor::doStop>(loop, 1));
        if (restartAt == d.IntValue) {
            restartAt.reset();
            Run();
        }
    }
    void Run(const TData& arriving = Null()) { RaiseEvent(Point<&THIFor::doFor>(loop), arriving); }

    THIFor loop;
    RecordingProbe stop = Probe("stop");
    RecordingProbe broken = Probe("break");
    std::optional<int32_t> stopAt;
    std::optional<int32_t> restartAt;
};

TEST_F(ForTest, CountsFromStartToEnd) {
    struct Case {
        const char* name;
        int32_t start, end, step;
        bool includeEnd;
        Journal expected;
    };
    const Case cases[] = {
        {"up without the end", 0, 3, 1, false, {"0", "1", "2", "stop:3"}},
        {"up with the end", 0, 3, 1, true, {"0", "1", "2", "3", "stop:4"}},
        {"down with the end", 5, 1, -1, true, {"5", "4", "3", "2", "1", "stop:0"}},
        {"down without the end", 5, 3, -1, false, {"5", "4", "stop:3"}},
        {"step 0 runs nothing", 2, 9, 0, true, {"stop:2"}},
        {"empty range", 4, 2, 1, true, {"stop:4"}},
        {"up to the largest integer", INT_MAX - 1, INT_MAX, 1, true,
         {std::to_string(INT_MAX - 1), std::to_string(INT_MAX), "stop:" + std::to_string(INT_MIN)}},
        {"down to the smallest integer", INT_MIN + 1, INT_MIN, -1, true,
         {std::to_string(INT_MIN + 1), std::to_string(INT_MIN), "stop:" + std::to_string(INT_MAX)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        loop.Start = c.start;
        loop.End = c.end;
        loop.Step = c.step;
        loop.IncludeEnd = c.includeEnd;
        Run();
        EXPECT_EQ(journal, c.expected);
    }
}

TEST_F(ForTest, StopDuringAnIterationEndsTheLoopThere) {
    loop.End = 5;
    stopAt = 2;
    Run();
    EXPECT_EQ(journal, (Journal{"0", "1", "2", "stop:2"}));
    EXPECT_EQ(loop.Counter, 2);

    journal.clear();
    loop.BreakEvent = true;
    Run();
    EXPECT_EQ(journal, (Journal{"0", "1", "2", "break:NULL"}));
}

TEST_F(ForTest, ALoopRestartedInsideAnIterationCarriesOnFromTheCounter) {
    // The inner run leaves Counter beyond the range, so the outer run steps on from there.
    loop.End = 3;
    restartAt = 1;
    Run();
    EXPECT_EQ(journal, (Journal{"0", "1", "0", "1", "2", "stop:3", "stop:4"}));
}

TEST_F(ForTest, AStopOutsideTheLoopIsForgotten) {
    loop.End = 2;
    loop.BreakEvent = true;
    RaiseNull(Point<&THIFor::doStop>(loop, 1));
    Run();
    EXPECT_EQ(journal, (Journal{"0", "1", "stop:2"}));
}

TEST_F(ForTest, TheArrivingChainGivesTheBoundsOnlyWithInData) {
    Chain bounds{Int(1), Int(3)};
    Run(bounds.Head());
    EXPECT_EQ(journal, Journal{"stop:0"});

    journal.clear();
    loop.InData = true;
    Run(bounds.Head());
    EXPECT_EQ(journal, (Journal{"1", "2", "stop:3"}));
}

TEST_F(ForTest, ConnectedBoundsWinOverProperties) {
    ValueSource start{Int(7)}, end{Str("9")};
    loop.Start = 1;
    loop.End = 2;
    loop.StartPoint = Point<&ValueSource::Value>(start);
    loop.EndPoint = Point<&ValueSource::Value>(end);
    Run();
    EXPECT_EQ(journal, (Journal{"7", "8", "stop:9"}));
}

using MathTest = HooksActiveTest;

TEST_F(MathTest, AddsOrSubtractsAndSendsAnIntegerOrAReal) {
    enum class Op { Add, Subtract };
    struct Case {
        const char* name;
        Op op;
        TData arriving;
        uint8_t resultType;
        bool op2Connected;  // Op2 then reads 3
        const char* expected;
        double result;
    };
    const Case cases[] = {
        {"7 - 1 from text", Op::Subtract, Str("7"), 0, false, "result:6", 6.0},
        {"2.5 - 1 rounds 1.5 to even", Op::Subtract, Real(2.5), 0, false, "result:2", 1.5},
        {"1.5 + 1 rounds 2.5 to even", Op::Add, Real(1.5), 0, false, "result:2", 2.5},
        {"3.5 + 1 as a Real", Op::Add, Real(3.5), 1, false, "result:r4.5", 4.5},
        {"connected Op2 overrides the property", Op::Subtract, Int(7), 0, true, "result:4", 4.0},
        {"non-numeric text counts as 0", Op::Add, Str("x"), 0, false, "result:1", 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.clear();
        RecordingProbe result = Probe("result");
        ValueSource three{Int(3)};
        THIMath math;
        math.Op2 = 1.0;
        math.ResultType = c.resultType;
        math.onResult = Point<&RecordingProbe::doEvent>(result);
        if (c.op2Connected) math.Op2Point = Point<&ValueSource::Value>(three);

        auto method = c.op == Op::Add ? Point<&THIMath::doAdd>(math) : Point<&THIMath::doSubtract>(math);
        RaiseEvent(method, c.arriving);
        EXPECT_EQ(journal, Journal{c.expected});
        EXPECT_DOUBLE_EQ(math.Result, c.result);
    }
}

}  // namespace
