// ReadDataRef: ReadData for a caller that only looks at the value, without copying a record
// that is already held somewhere.
#pragma once

#include "runtime/Dispatch.h"

// The value ReadData(d, point, def) would answer, by the same rule, as a reference: the
// answer of a connected point (read into `spare`, which must arrive NULL), the default itself,
// or d itself when d is a single value or NULL (ReadData leaves such a d as it was, less a
// NULL's chain). A chained d has its first value taken and consumed into `spare`, as ReadData
// does. The answer has no Next. It lives while d, *def and spare do and none of them changes.
const TData& ReadDataRef(TData& d, const THI_Event& point, const TData* def, TData& spare);
