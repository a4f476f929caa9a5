// THIFilePart: splits a file path into its folder, its name and its extension.
#pragma once

#include "runtime/Dispatch.h"

// Points:
//   doPart (0)  path = FileName (default empty); an empty path raises nothing. Otherwise raises
//               at once, in this order:
//                 onPath  the folder: the path up to and including its last separator, or empty;
//                 onName  what follows the last separator (the whole path when there is none);
//                         with WithExt 0, without the name's own last "." and what follows it;
//                         with PathBehindName 1, the whole path follows the name in the
//                         record's chain (for a list that shows the path as the name's hint);
//                 onExt   the path's extension, from the last "." of the WHOLE path to its end,
//                         the "." included, or empty; with DropDot 1, without the ".".
// Separators are ":", "\" and "/": dropped files arrive with "/" folders on this platform.
class THIFilePart {
public:
    void doPart(TData& d, uint16_t index);

    uint8_t DropDot = 0;
    uint8_t WithExt = 0;
    uint8_t PathBehindName = 0;
    THI_Event FileName;
    THI_Event onExt;
    THI_Event onName;
    THI_Event onPath;
};
