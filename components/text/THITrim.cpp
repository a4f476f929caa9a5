#include "components/text/THITrim.h"

void THITrim::doTrim(TData& d, uint16_t) {
    Result = ReadString(d, Text);
    const char ch = Char.empty() ? ' ' : Char[0];
    const std::string_view text = Result.view();  // the bytes found once, not at every step
    size_t first = 0, end = text.size();
    while (first < end && text[first] == ch) ++first;
    while (end > first && text[end - 1] == ch) --end;
    if (first > 0 || end < text.size()) Result = Result.substr(first, end - first);
    RaiseString(onTrim, Result);
}
