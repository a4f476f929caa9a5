// ForwardDataOrEnd: ForwardData for a hop whose next point is often unconnected, as a memory
// nobody listens to or a comparison's unused way. Inline: a table walk passes such hops on
// every row.
#pragma once

#include "runtime/Data.h"

// ForwardData(d, ev), with the dispatch ended here when ev is unconnected: the dispatcher's
// loop would only take the flag off again and stop, so d is left as that loop leaves it, and
// the loop's call is saved.
inline void ForwardDataOrEnd(TData& d, const THI_Event& ev) {
    if (ev.Method)
        AddForwardFlag(d, ev);
    else
        d.DataType &= ~ForwardFlag;
}
