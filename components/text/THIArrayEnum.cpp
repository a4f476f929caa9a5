#include "components/text/THIArrayEnum.h"

void THIArrayEnum::doEnum(TData& d, uint16_t) {
    stopped_ = false;
    TArrayIntf* array = ReadArray(Array);
    if (!array) return;

    // Each element is fetched straight into the record onItem is raised with: Get builds it
    // anew every time, so no copy of it is made per element.
    TData item;
    const int32_t step = Backward == 1 ? -1 : 1;
    for (int32_t i = Backward == 1 ? ArrayCount(*array) - 1 : 0;; i += step) {
        SetInteger(index_, i);
        if (!ArrayGet(*array, index_, item)) break;
        CallEvent(onItem, item);
        if (stopped_) break;
    }
    ForwardData(d, stopped_ && UseBreak == 1 ? onBreak : onEndEnum);
}

void THIArrayEnum::doStop(TData&, uint16_t) { stopped_ = true; }

void THIArrayEnum::Index(TData& d, uint16_t) { CopyValue(d, index_); }
