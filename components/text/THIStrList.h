// THIStrList: a component that keeps a list of text lines, loads and saves it, and offers it
// to other components as an array.
#pragma once

#include <memory>

#include "objlib/TStrList.h"
#include "runtime/Dispatch.h"

// Points:
//   doAdd (0)     appends the text read from Str; raises onChange with NULL.
//   doClear (1)   removes every line; raises onChange with NULL.
//   doDelete (2)  deletes the line at the incoming value taken as an index (ToIndex); an index
//                 out of range deletes and raises nothing.
//   doLoad (4)    path = FileNamePoint, else the FileName property. When the file can be read
//                 (it exists and is not a folder) its lines replace the list and onChange is
//                 raised with NULL; otherwise the lines stay and nothing is raised.
//   doSave (5)    path as doLoad; saves the lines, each followed by CR LF, over the file in one
//                 step (a failure leaves the old file as it was). Raises nothing.
//   Array         value point: an Array over the lines, the same interface object every time.
//                 Get/Set take the index as ToIndex does; out of range, Get answers false and Set
//                 does nothing. Add appends the item as a string.
// The FileName property and the FileName data point share a name; the data point is
// FileNamePoint.
class THIStrList {
public:
    // Assigning to Strings sets the lines from one text (TStrList::SetText), as the scheme's
    // property setting does.
    class StringsProperty {
    public:
        explicit StringsProperty(TStrList& lines) : lines_(lines) {}
        StringsProperty& operator=(const Bytes& text) {
            lines_.SetText(text, false);
            return *this;
        }

    private:
        TStrList& lines_;
    };

    THIStrList() = default;
    THIStrList(const THIStrList&) = delete;
    THIStrList& operator=(const THIStrList&) = delete;

    void doAdd(TData& d, uint16_t index);
    void doClear(TData& d, uint16_t index);
    void doDelete(TData& d, uint16_t index);
    void doLoad(TData& d, uint16_t index);
    void doSave(TData& d, uint16_t index);
    void Array(TData& d, uint16_t index);

    TStrList& Lines() { return lines_; }
    const TStrList& Lines() const { return lines_; }

    Bytes FileName;
    StringsProperty Strings{lines_};
    THI_Event FileNamePoint;
    THI_Event Str;
    THI_Event onChange;

private:
    static void ArraySetLine(void* self, TData& index, TData& item);
    static bool ArrayGetLine(void* self, TData& index, TData& item);
    static int32_t ArrayLineCount(void* self);
    static void ArrayAddLine(void* self, TData& item);

    TStrList lines_;
    std::unique_ptr<TArrayIntf> array_;
};
