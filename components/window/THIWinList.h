// THIWinList: the base of the controls that hold a list of text items (list box, combo box,
// memo): adding one item, clearing, and filling from a multi-line text.
#pragma once

#include <QByteArray>
#include <QScopedValueRollback>
#include <QString>

#include "components/window/THIWin.h"

class THIWinList : public THIWin {
public:
    using THIWin::THIWin;

    // Method point: appends the Str value (the incoming string when unconnected) as an item;
    // with SelectAdded the last item becomes current and is scrolled into view (in a sorted
    // control that need not be the one just added); then onChange with nothing. A value
    // chained behind the incoming one is the item's hint (a list box shows it as the item's
    // tooltip; FileText.h says what it adds for a file's path).
    void doAdd(TData& d, uint16_t index);
    // Method point: removes every item, then onChange with nothing.
    void doClear(TData& d, uint16_t index);

    bool SelectAdded = false;

    THI_Event Str;       // data point for doAdd
    THI_Event onChange;  // NULL after doAdd and doClear

protected:
    // Appends (or, in a sorted control, inserts) one item, with its hint (may be empty).
    virtual void AddItem(const Bytes& text, const Bytes& hint) = 0;
    virtual void ClearItems() = 0;
    virtual int ItemCount() const = 0;
    virtual void SelectItem(int index) = 0;

    // Raises `onClick` for the item the user made current: its index, or with SelectMode 1
    // its text, which `itemText` gives as the item's cp1251 bytes (only then asked for).
    template <class ItemText>
    static void RaiseChoice(const THI_Event& onClick, uint8_t selectMode, int index, ItemText itemText) {
        if (selectMode != 1) {
            RaiseInteger(onClick, index);
            return;
        }
        const QByteArray text = index >= 0 ? itemText() : QByteArray();
        RaiseString(onClick, Bytes(std::string_view(text.constData(), static_cast<size_t>(text.size()))));
    }

    // Marks, for as long as the returned guard lives, that the component itself is changing
    // its items or text: the control's change signals are then no choice of the user's.
    [[nodiscard]] QScopedValueRollback<bool> ChangingItself() {
        return QScopedValueRollback<bool>(changingItself_, true);
    }
    bool IsChangingItself() const { return changingItself_; }

    // Replaces every item by the lines of `strings` (lines as TStrList::SetText splits them);
    // an empty text leaves the control empty.
    void FillStrings(const Bytes& strings);

    // Where `text` goes among `count` sorted items: after the last item not greater than it,
    // compared without regard to case as the platform's sorted lists do.
    template <class TextAt>
    static int SortedPosition(int count, TextAt textAt, const QString& text) {
        int low = 0, high = count;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (QString::compare(textAt(middle), text, Qt::CaseInsensitive) <= 0)
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    }

private:
    bool changingItself_ = false;
};
