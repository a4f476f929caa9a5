#include "components/text/THITrim.h"

void THITrim::doTrim(TData& d, uint16_t) {
    Result = ReadString(d, Text);
    char ch = Char.empty() ? ' ' : Char[0];
    size_t first = 0, end = Result.size();
    while (first < end && Result[first] == ch) ++first;
    while (end > first && Result[end - 1] == ch) --end;
    if (first > 0 || end < Result.size()) Result = Result.substr(first, end - first);
    RaiseString(onTrim, Result);
}
