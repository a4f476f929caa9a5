// The object base's lock counter and destroy notifications, and the pointer list's growth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "objlib/TList.h"
#include "objlib/TObj.h"

namespace {

// Records its destruction steps into a log that outlives it.
class Logged : public TObj {
public:
    explicit Logged(std::vector<std::string>& log) {
        // The handler runs from ~TObj: it may compare the pointer, not use Logged's members.
        OnDestroy = {&Destroyed, new Entry{&log, "destroy", this}};
        AddCleanup(&Note, new Entry{&log, "cleanup 1"});
        AddCleanup(&Note, new Entry{&log, "cleanup 2"});
    }

private:
    struct Entry {
        std::vector<std::string>* log;
        const char* text;
        const TObj* self = nullptr;
    };
    static void Destroyed(void* target, TObj* sender) {
        auto* entry = static_cast<Entry*>(target);
        entry->log->push_back(sender == entry->self ? entry->text : "destroy?");
        delete entry;
    }
    static void Note(void* argument) {
        auto* entry = static_cast<Entry*>(argument);
        entry->log->push_back(entry->text);
        delete entry;
    }
};

const std::vector<std::string> kDestroyed = {"destroy", "cleanup 1", "cleanup 2"};

TEST(ObjTest, FreeOfAnUnlockedObjectDestroysItAtOnce) {
    std::vector<std::string> log;
    (new Logged(log))->Free();
    EXPECT_EQ(log, kDestroyed);
    FreeObject(nullptr);
}

TEST(ObjTest, FreeWhileLockedWaitsForTheLastUnlock) {
    std::vector<std::string> log;
    auto* obj = new Logged(log);
    obj->IncRef();
    obj->IncRef();
    obj->Free();
    obj->Free();  // already pending: no second mark
    EXPECT_EQ(obj->RefCount(), 3);
    obj->DecRef();
    EXPECT_TRUE(log.empty());
    obj->DecRef();
    EXPECT_EQ(log, kDestroyed);
}

TEST(ObjTest, UnlockWithoutFreeKeepsTheObject) {
    std::vector<std::string> log;
    auto* obj = new Logged(log);
    obj->IncRef();
    obj->DecRef();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(obj->RefCount(), 0);
    obj->Free();
    EXPECT_EQ(log, kDestroyed);
}

TEST(ObjTest, ObjectHeldByValueNotifiesWhenItGoes) {
    std::vector<std::string> log;
    { Logged member(log); }
    EXPECT_EQ(log, kDestroyed);
}

TEST(ListTest, AppendGrowsByGrowthSlots) {
    TList list;
    std::vector<int> capacities;
    for (int i = 0; i < 9; ++i) {
        list.Add(static_cast<TList::Item>(i));
        capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 12}));
    list.Growth = 0;  // reset to 4 on the next append
    for (int i = 9; i < 16; ++i) list.Add(static_cast<TList::Item>(i));
    EXPECT_EQ(list.Growth, 4);
    EXPECT_EQ(list.Capacity(), 16);
    list.Growth = 100;
    list.Add(16);
    EXPECT_EQ(list.Capacity(), 116);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(list.Get(i), static_cast<TList::Item>(i));
}

TEST(ListTest, InsertDeleteAndCapacity) {
    TList list;
    for (TList::Item v : {1, 2, 4}) list.Add(v);
    list.Insert(2, 3);
    list.Insert(0, 0);
    list.Insert(5, 5);
    list.Insert(7, 99);  // out of range
    list.Insert(-1, 99);
    ASSERT_EQ(list.Count(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(list.Get(i), static_cast<TList::Item>(i));
    EXPECT_EQ(list.Get(-1), 0u);
    EXPECT_EQ(list.Get(6), 0u);

    list.DeleteRange(1, 2);   // 0 3 4 5
    list.DeleteRange(2, 10);  // cut to the end: 0 3
    list.DeleteRange(0, 0);
    list.Delete(5);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), 0u);
    EXPECT_EQ(list.Get(1), 3u);

    list.SetCapacity(1);  // never below Count
    EXPECT_EQ(list.Capacity(), 2);
    list.SetCapacity(50);
    EXPECT_EQ(list.Capacity(), 50);
    EXPECT_EQ(list.Get(1), 3u);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

}  // namespace
