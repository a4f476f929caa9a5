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
    if (array && FirstLine(*array, line)) {
        const Bytes first = ToString(line);
        // Such a line would be read back as a mark and the text after it; a TAB before it keeps
        // it text, as every TAB goes before a line is classified.
        const bool looksMarked = mark.empty() && !ByteOrderMarkOf(first.view()).empty();
        if (!mark.empty() || looksMarked) {
            std::string text(looksMarked ? std::string_view("\t") : mark.view());
            text += first.view();
            SetFirstLine(*array, Bytes(text));
        }
    }
    ForwardData(d, onPut);
}
