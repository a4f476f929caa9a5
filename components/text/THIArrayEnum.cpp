#include "components/text/THIArrayEnum.h"

#include <utility>

void THIArrayEnum::doEnum(TData& d, uint16_t) {
    stopped_ = false;
    TArrayIntf* array = ReadArray(Array);
    if (!array) return;

    const bool backward = Backward == 1;
    int32_t i = backward ? ArrayCount(*array) - 1 : 0;
    for (;;) {
        SetInteger(index_, i);
        if (!ArrayGet(*array, index_, item_)) break;
        RaiseEvent(onItem, std::move(item_));  // the next element is fetched into it anew
        if (stopped_) break;
        i += backward ? -1 : 1;
    }
    ForwardData(d, stopped_ && UseBreak == 1 ? onBreak : onEndEnum);
}

void THIArrayEnum::doStop(TData&, uint16_t) { stopped_ = true; }

void THIArrayEnum::Index(TData& d, uint16_t) { CopyValue(d, index_); }
