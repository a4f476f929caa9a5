// RaiseEach: the raising of one record to a row of outputs, for the components that fan out.
// Apart from Dispatch.h, which nearly every file includes, as only the fan-out needs it.
#pragma once

#include "runtime/Data.h"

// RaiseEvent(out, d) for each out of [first, last) in turn: each output gets a fresh copy of
// d, runs to completion before the next fires, and d itself is never changed.
void RaiseEach(const THI_Event* first, const THI_Event* last, const TData& d);
