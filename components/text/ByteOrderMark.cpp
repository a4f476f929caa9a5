#include "components/text/ByteOrderMark.h"

#include <string>

#include "objlib/TextEncoding.h"

namespace {

// The first line of the array, or false when there is none.
bool FirstLine(TArrayIntf& array, TData& line) {
    TData first;
    SetInteger(first, 0);
    return ArrayGet(array, first, line);
}

void SetFirstLine(TArrayIntf& array, const Bytes& text) {
    TData first, line;
    SetInteger(first, 0);
    SetString(line, text);
    ArraySet(array, first, line);
}

}  // namespace

void ByteOrderMarkCut::doCut(TData&, uint16_t) {
    TArrayIntf* array = ReadArray(Array);
    TData line;
    if (!array || !FirstLine(*array, line)) return;
    const Bytes text = ToString(line);
    const size_t mark = ByteOrderMarkOf(text.view()).size();
    if (mark > 0) SetFirstLine(*array, text.substr(mark));
}

void ByteOrderMarkPut::doPut(TData& d, uint16_t) {
    const Bytes mark = PullString(Mark);
    TArrayIntf* array = ReadArray(Array);
    TData line;
    if (!mark.empty() && array && FirstLine(*array, line)) {
        std::string text(mark.view());
        text += ToString(line).view();
        SetFirstLine(*array, Bytes(text));
    }
    ForwardData(d, onPut);
}
