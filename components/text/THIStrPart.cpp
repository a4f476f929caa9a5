#include "components/text/THIStrPart.h"

#include "components/text/StrOps.h"

void THIStrPart::doSplit(TData& d, uint16_t) {
    if (Char.empty()) return;
    Bytes s = ReadString(d, Str);
    // The search for the whole separator and the cut at its first character agree for the
    // one-character separators in use; a longer one splits at its first character all the same.
    size_t cut = s.view().find(Char[0]);
    if (cut == std::string_view::npos || (Char.size() > 1 && Pos(Char, s) == 0)) {
        ForwardString(d, onNotFound, std::move(s));
        return;
    }
    Left = s.substr(0, cut);
    Bytes rest = s.substr(cut + 1);
    RaiseString(onSplit, Left);
    ForwardString(d, onPart, std::move(rest));
}

void THIStrPart::LeftPoint(TData& d, uint16_t) { SetString(d, Left); }
