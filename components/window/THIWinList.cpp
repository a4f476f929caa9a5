#include "components/window/THIWinList.h"

#include "objlib/TStrList.h"

void THIWinList::doAdd(TData& d, uint16_t) {
    const Bytes hint = d.Next ? ToString(*d.Next) : Bytes();  // read before the text is taken off
    const Bytes text = ReadString(d, Str);
    if (!Control) return;
    AddItem(text, hint);
    if (SelectAdded) SelectItem(ItemCount() - 1);
    RaiseNull(onChange);
}

void THIWinList::doClear(TData&, uint16_t) {
    if (!Control) return;
    ClearItems();
    RaiseNull(onChange);
}

void THIWinList::FillStrings(const Bytes& strings) {
    ClearItems();
    TStrList lines;
    lines.SetText(strings, false);
    for (int i = 0; i < lines.Count(); ++i) AddItem(lines.Get(i), Bytes());
}
