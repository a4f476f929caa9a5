#include "components/text/THIStrList.h"

#include <utility>

#include "objlib/FileSystem.h"

void THIStrList::doAdd(TData& d, uint16_t) {
    lines_.Add(ReadString(d, Str));
    RaiseNull(onChange);
}

void THIStrList::doClear(TData&, uint16_t) {
    lines_.Clear();
    RaiseNull(onChange);
}

void THIStrList::doDelete(TData& d, uint16_t) {
    int32_t index = ToIndex(d);
    if (index < 0 || index >= lines_.Count()) return;
    lines_.Delete(index);
    RaiseNull(onChange);
}

void THIStrList::doLoad(TData& d, uint16_t) {
    Bytes content;
    if (!ReadWholeFile(ReadString(d, FileNamePoint, FileName), content)) return;
    lines_.SetText(content, false);
    RaiseNull(onChange);
}

void THIStrList::doSave(TData& d, uint16_t) { lines_.SaveToFile(ReadString(d, FileNamePoint, FileName)); }

void THIStrList::Array(TData& d, uint16_t) {
    if (!array_) array_ = CreateArray(this, &ArraySetLine, &ArrayGetLine, &ArrayLineCount, &ArrayAddLine);
    SetArray(d, array_.get());
}

void THIStrList::ArraySetLine(void* self, TData& index, TData& item) {
    static_cast<THIStrList*>(self)->lines_.Put(ToIndex(index), ToString(item));
}

bool THIStrList::ArrayGetLine(void* self, TData& index, TData& item) {
    const TStrList& lines = static_cast<THIStrList*>(self)->lines_;
    // An enumerator asks with an Integer for every line: taken without ToIndex's call.
    const int32_t i = index.Tag() == Tag::Integer ? index.IntValue : ToIndex(index);
    // Both ends in one unsigned comparison: a negative index wraps above any count.
    if (static_cast<uint32_t>(i) >= static_cast<uint32_t>(lines.Count())) return false;
    // The line is swapped in and item's old string let go last: nothing stays live across
    // that release, so the common path saves no registers.
    Bytes line = lines.GetInRange(i);
    item.DataType = Tag::String;
    std::swap(item.StrValue, line);
    CutLinks(item);
    return true;
}

int32_t THIStrList::ArrayLineCount(void* self) { return static_cast<THIStrList*>(self)->lines_.Count(); }

void THIStrList::ArrayAddLine(void* self, TData& item) { static_cast<THIStrList*>(self)->lines_.Add(ToString(item)); }
