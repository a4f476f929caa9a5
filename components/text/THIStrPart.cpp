#include "components/text/THIStrPart.h"

#include <cstring>

#include "components/text/StrOps.h"

void THIStrPart::doSplit(TData& d, uint16_t) {
    const std::string_view separator = Char.view();
    if (separator.empty()) return;
    Bytes s = ReadString(d, Str);
    // The search for the whole separator and the cut at its first character agree for the
    // one-character separators in use; a longer one splits at its first character all the same.
    const char* text = s.data();
    const void* found = s.empty() ? nullptr : std::memchr(text, separator[0], s.size());
    if (!found || (separator.size() > 1 && Pos(separator, s) == 0)) {
        ForwardString(d, onNotFound, std::move(s));
        return;
    }
    const size_t cut = static_cast<const char*>(found) - text;
    Left = s.substr(0, cut);
    RaiseString(onSplit, Left);
    ForwardString(d, onPart, s.substr(cut + 1));
}

void THIStrPart::LeftPoint(TData& d, uint16_t) { SetString(d, Left); }
