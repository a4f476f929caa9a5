// THIListBox: a list box. onClick reports a change of the current item made by the user
// (clicks, keys), never one made by the scheme's calls. Without MultiSelect the current item
// stays selected when the user Ctrl+clicks it, as the platform's single-selection list does.
// With onEnter connected, Enter raises it, as a double click raises onDblClick. An item added
// with a hint shows it as its own tooltip; the others show the list's hint.
#pragma once

#include "components/window/THIWinList.h"

class QListWidget;

class THIListBox : public THIWinList {
public:
    using THIWinList::THIWinList;

    // Creates the box with Sort and MultiSelect, the base's Init, then fills it with Strings.
    void Init() override;

    // Value point: the current item's index as an Integer, -1 when no item is current.
    void Index(TData& d, uint16_t index);

    Bytes Strings;           // initial items, one per line
    uint8_t SelectMode = 0;  // 1: onClick carries the item's text; otherwise its index
    bool Sort = false;
    bool MultiSelect = false;

    THI_Event onClick;
    THI_Event onEnter;  // NULL, on Enter; the key then goes no further

protected:
    void KeyDown(int& key) override;
    void AddItem(const Bytes& text, const Bytes& hint) override;
    void ClearItems() override;
    int ItemCount() const override;
    void SelectItem(int index) override;

private:
    QListWidget* List() const;
    int CurrentIndex() const;
    void SelectionChanged();
};
