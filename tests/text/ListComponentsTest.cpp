// The list component with its file and array faces, the array walker and the array reader.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "components/text/THIArrayEnum.h"
#include "components/text/THIArrayRW.h"
#include "components/text/THIStrList.h"
#include "tests/objlib/ScratchDir.h"
#include "tests/runtime/ProbeComponents.h"

namespace {

class ListComponentsTest : public HooksActiveTest {
protected:
    void SetUp() override {
        HooksActiveTest::SetUp();
        list.onChange = Point<&RecordingProbe::doEvent>(changed);
    }

    void Call(void (THIStrList::*method)(TData&, uint16_t), TData d) { (list.*method)(d, 0); }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < list.Lines().Count(); ++i) lines.push_back(list.Lines().Get(i).str());
        return lines;
    }
    THI_Event ArrayOfList() { return Point<&THIStrList::Array>(list); }

    RecordingProbe changed = Probe("onChange");
    THIStrList list;
};

TEST_F(ListComponentsTest, AddTakesStrOrTheIncomingValue) {
    ValueSource source{Str("from Str")};
    Call(&THIStrList::doAdd, Str("incoming"));
    list.Str = Point<&ValueSource::Value>(source);
    Call(&THIStrList::doAdd, Str("ignored"));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"incoming", "from Str"}));
    EXPECT_EQ(journal, (Journal{"onChange:NULL", "onChange:NULL"}));
}

TEST_F(ListComponentsTest, DeleteOnlyAnIndexInRange) {
    struct Case {
        const char* name;
        TData index;
        std::vector<std::string> left;
    };
    const std::vector<std::string> all = {"0", "1", "2", "3", "4"};
    const Case cases[] = {
        {"5 on 5 lines", Int(5), all},
        {"-1", Int(-1), all},
        {"text 0", Str("0"), {"1", "2", "3", "4"}},
        {"non-numeric text", Str("abc"), all},
        {"empty text", Str(""), all},
        {"NULL", TData{}, all},
        {"last", Int(4), {"0", "1", "2", "3"}},
        {"text 2", Str("2"), {"0", "1", "3", "4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.Strings = "0\r\n1\r\n2\r\n3\r\n4";
        journal.clear();
        Call(&THIStrList::doDelete, c.index);
        EXPECT_EQ(Lines(), c.left);
        EXPECT_EQ(journal.size(), c.left == all ? 0u : 1u);
    }
}

TEST_F(ListComponentsTest, ClearRaisesChange) {
    list.Strings = "a\nb";
    Call(&THIStrList::doClear, TData{});
    EXPECT_EQ(list.Lines().Count(), 0);
    EXPECT_EQ(journal.size(), 1u);
}

class ListFileTest : public ListComponentsTest {
protected:
    ScratchDir dir;
};

TEST_F(ListFileTest, SaveThenLoadThroughTheFileNameProperty) {
    ASSERT_TRUE(dir.Ok());
    list.FileName = Bytes(dir / "filename.ini");
    list.Strings = "C:\\a.ltx\nC:\\b.ltx";
    Call(&THIStrList::doSave, TData{});
    EXPECT_EQ(ScratchDir::ReadFile(dir / "filename.ini"), "C:\\a.ltx\r\nC:\\b.ltx\r\n");
    EXPECT_TRUE(journal.empty());

    list.Strings = "";
    Call(&THIStrList::doLoad, Str("ignored: the property wins"));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"C:\\a.ltx", "C:\\b.ltx"}));
    EXPECT_EQ(journal.size(), 1u);
}

TEST_F(ListFileTest, LoadPathFromThePointOrTheIncomingValue) {
    ASSERT_TRUE(dir.Ok());
    ScratchDir::WriteFile(dir / "one.ltx", "one\n");
    ScratchDir::WriteFile(dir / "two.ltx", "two\n");
    const Bytes two(dir / "two.ltx");
    Call(&THIStrList::doLoad, Str((dir / "one.ltx").c_str()));
    EXPECT_EQ(Lines(), std::vector<std::string>{"one"});

    list.FileName = "unused.ini";
    ValueSource source{Str(two.str().c_str())};
    list.FileNamePoint = Point<&ValueSource::Value>(source);
    Call(&THIStrList::doLoad, TData{});
    EXPECT_EQ(Lines(), std::vector<std::string>{"two"});
}

TEST_F(ListFileTest, LoadOfAFolderOrMissingFileChangesNothing) {
    ASSERT_TRUE(dir.Ok());
    ASSERT_EQ(::mkdir((dir / "folder").c_str(), 0777), 0);
    for (const char* name : {"folder", "missing.ltx"}) {
        SCOPED_TRACE(name);
        list.Strings = "kept";
        journal.clear();
        Call(&THIStrList::doLoad, Str((dir / name).c_str()));
        EXPECT_EQ(Lines(), std::vector<std::string>{"kept"});
        EXPECT_TRUE(journal.empty());
    }
}

TEST_F(ListComponentsTest, ArrayWorksOnTheLines) {
    list.Strings = "a\r\nb";
    TData first, second;
    list.Array(first, 0);
    list.Array(second, 0);
    ASSERT_EQ(first.Tag(), Tag::Array);
    TArrayIntf* array = ReadArray(ArrayOfList());
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array, first.Ref);
    EXPECT_EQ(array, second.Ref);

    EXPECT_EQ(ArrayCount(*array), 2);
    TData item = Str("untouched"), index = Str("1");
    EXPECT_TRUE(ArrayGet(*array, index, item));
    EXPECT_EQ(item.StrValue, "b");
    for (TData bad : {Int(2), Int(-1), Str("x"), TData{}}) {
        item = Str("untouched");
        EXPECT_FALSE(ArrayGet(*array, bad, item));
        EXPECT_EQ(item.StrValue, "untouched");
    }

    TData value = Int(42), at = Int(0), outside = Int(2);
    ArraySet(*array, at, value);
    ArraySet(*array, outside, value);
    TData added = Str("c");
    ArrayAdd(*array, added);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"42", "b", "c"}));
    EXPECT_TRUE(journal.empty());
}

// ---- THIArrayEnum -------------------------------------------------------------------------

class ArrayEnumTest : public ListComponentsTest {
protected:
    void SetUp() override {
        ListComponentsTest::SetUp();
        list.Strings = "a\r\nb\r\nc";
        walker.Array = ArrayOfList();
        walker.onItem = Point<&RecordingProbe::doEvent>(item);
        walker.onEndEnum = Point<&RecordingProbe::doEvent>(end);
        walker.onBreak = Point<&RecordingProbe::doEvent>(broken);
    }
    void Walk() {
        TData d = Int(7);
        CallEvent(Point<&THIArrayEnum::doEnum>(walker), d);
    }
    static std::string Item(const char* s) { return std::string("onItem:'") + s + "'"; }

    THIArrayEnum walker;
    RecordingProbe item = Probe("onItem");
    RecordingProbe end = Probe("onEndEnum");
    RecordingProbe broken = Probe("onBreak");
    const std::string endSeen = "onEndEnum:7";
};

TEST_F(ArrayEnumTest, WalksForwardOrBackwardThenEnds) {
    Walk();
    EXPECT_EQ(journal, (Journal{Item("a"), Item("b"), Item("c"), endSeen}));
    TData index;
    walker.Index(index, 0);
    EXPECT_EQ(index.Tag(), Tag::Integer);
    EXPECT_EQ(index.IntValue, 3);  // the index tried last

    journal.clear();
    walker.Backward = 1;
    Walk();
    EXPECT_EQ(journal, (Journal{Item("c"), Item("b"), Item("a"), endSeen}));
}

TEST_F(ArrayEnumTest, StopDuringTheFirstItem) {
    item.then = [this] {
        TData d;
        walker.doStop(d, 1);
    };
    Walk();
    EXPECT_EQ(journal, (Journal{Item("a"), endSeen}));

    journal.clear();
    walker.UseBreak = 1;
    Walk();
    EXPECT_EQ(journal, (Journal{Item("a"), "onBreak:7"}));

    journal.clear();  // the stop flag does not outlive its walk
    item.then = nullptr;
    Walk();
    EXPECT_EQ(journal.size(), 4u);
}

TEST_F(ArrayEnumTest, ReachesElementsAddedDuringTheWalk) {
    item.then = [this] {
        if (list.Lines().Count() < 5) list.Lines().Add("new");
    };
    Walk();
    EXPECT_EQ(journal, (Journal{Item("a"), Item("b"), Item("c"), Item("new"), Item("new"), endSeen}));
}

// The walk hands each element over in a record of its own making: what a receiver does to that
// record, or a second walk started from inside the first, never changes the elements that follow.
TEST_F(ArrayEnumTest, ReceiversChangingTheRecordOrWalkingAgainLeaveTheWalkAsItWas) {
    RewritingProbe rewriter{&journal, "rewriter", Point<&RecordingProbe::doEvent>(item)};
    walker.onItem = Point<&RewritingProbe::doEvent>(rewriter);
    Walk();
    const std::string rewritten = Item("rewritten");
    EXPECT_EQ(journal, (Journal{"rewriter:'a'", rewritten, "rewriter:'b'", rewritten, "rewriter:'c'", rewritten, endSeen}));

    journal.clear();
    walker.onItem = Point<&RecordingProbe::doEvent>(item);
    item.then = [this] {
        item.then = nullptr;  // one walk inside the first element only
        Walk();
    };
    Walk();
    EXPECT_EQ(journal, (Journal{Item("a"), Item("a"), Item("b"), Item("c"), endSeen, Item("b"), Item("c"), endSeen}));
}

TEST_F(ArrayEnumTest, EmptyArrayOnlyEndsAndNoArrayRaisesNothing) {
    list.Strings = "";
    Walk();
    EXPECT_EQ(journal, Journal{endSeen});

    journal.clear();
    walker.Array = THI_Event{};
    Walk();
    EXPECT_TRUE(journal.empty());
}

// ---- THIArrayRW ---------------------------------------------------------------------------

class ArrayRWTest : public ListComponentsTest {
protected:
    void SetUp() override {
        ListComponentsTest::SetUp();
        list.Strings = "a\r\nb\r\nc";
        reader.Array = ArrayOfList();
        reader.onRead = Point<&RecordingProbe::doEvent>(read);
    }
    // Calls doRead as a connection would; returns the record as the caller sees it afterwards.
    TData ReadAt(TData index) {
        CallEvent(Point<&THIArrayRW::doRead>(reader), index);
        return index;
    }
    std::string LastItem() {
        TData d;
        reader.Item(d, 0);
        return ToString(d).str();
    }

    THIArrayRW reader;
    RecordingProbe read = Probe("onRead");
};

TEST_F(ArrayRWTest, ReadsTheElementAtTheIndex) {
    TData after = ReadAt(Int(1));
    EXPECT_EQ(journal, (Journal{"onRead:'b'"}));
    EXPECT_EQ(after.StrValue, "b");  // raised on return: the caller's record became the item
    EXPECT_EQ(LastItem(), "b");

    journal.clear();
    ReadAt(Str("2"));
    EXPECT_EQ(journal, (Journal{"onRead:'c'"}));
}

TEST_F(ArrayRWTest, IndexOutOfRangeRaisesNothing) {
    ReadAt(Int(0));
    journal.clear();
    for (TData bad : {Int(3), Int(-1), Str("x"), TData{}}) {
        ReadAt(bad);
        EXPECT_TRUE(journal.empty());
        EXPECT_EQ(LastItem(), "a");
    }
    reader.Array = THI_Event{};
    ReadAt(Int(0));
    EXPECT_TRUE(journal.empty());
}

TEST_F(ArrayRWTest, IndexPointWinsOverPropertyWinsOverIncoming) {
    reader.Index = Int(2);
    ReadAt(Int(0));
    ValueSource source{Int(1)};
    reader.IndexPoint = Point<&ValueSource::Value>(source);
    ReadAt(Int(0));
    EXPECT_EQ(journal, (Journal{"onRead:'c'", "onRead:'b'"}));
}

TEST_F(ArrayRWTest, AChainedIncomingIndexGivesItsFirstValue) {
    Chain chain{Int(2), Int(0)};
    ReadAt(chain.Head());
    EXPECT_EQ(journal, (Journal{"onRead:'c'"}));
}

}  // namespace
