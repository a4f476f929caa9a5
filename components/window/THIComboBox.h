// THIComboBox: a drop-down list, or with Editable a drop-down combo box with an edit field.
// onClick reports a choice made by the user, never one made by the scheme's calls
// (doSelectString, filling). Text typed into the edit field never becomes an item (Enter adds
// nothing), and doClear empties the edit field along with the items. A typed character that
// code page 1251 cannot write is refused and shown on the edit field (Cp1251Input.h).
#pragma once

#include "components/window/THIWinList.h"

class QComboBox;

class THIComboBox : public THIWinList {
public:
    using THIWinList::THIWinList;

    // Creates the box with Editable, the base's Init, fills it with Strings, then sets Text.
    void Init() override;

    // Value point: the current item's index as an Integer, -1 when no item is current.
    void Index(TData& d, uint16_t index);
    // Method point: makes current the first item, from the top, whose text as added begins with
    // the incoming string, regardless of case (the empty string matches the first item); with no
    // such item the selection stays. Raises nothing.
    void doSelectString(TData& d, uint16_t index);

    Bytes Text;              // initial text of the edit field (Editable only)
    Bytes Strings;           // initial items, one per line, shown in the interface language
    uint8_t SelectMode = 0;  // 1: onClick carries the item's text; otherwise its index
    bool Editable = false;
    bool Sort = false;

    THI_Event onClick;

protected:
    // The box shows no hint per item.
    void AddItem(const Bytes& text, const Bytes& hint) override;
    void ClearItems() override;
    int ItemCount() const override;
    void SelectItem(int index) override;

private:
    QComboBox* Combo() const;
    // The item's text as added (shown items given in Strings may be translated).
    Bytes ItemBytes(int index) const;
    void CurrentChanged(int index);
};
