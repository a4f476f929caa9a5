// THIRadioButton: a radio button. The radio buttons of one parent form one group: a click
// checks the clicked one and unchecks the others. The first radio button created in a parent
// starts checked (its Checked defaults to 0); the scheme's Checked settings then apply.
// The value point is CheckedValue (the property is Checked).
#pragma once

#include "components/window/THIWin.h"

class QRadioButton;

class THIRadioButton : public THIWin {
public:
    // Creates the radio button.
    explicit THIRadioButton(TControl* parent);

    // The base's Init, then Caption and Checked.
    void Init() override;

    // Value point: 1 when checked, 0 otherwise, as an Integer.
    void CheckedValue(TData& d, uint16_t index);

    Bytes Caption;
    uint8_t Checked = 1;  // an index: 0 checked, 1 not checked

    THI_Event onClick;  // NULL, on every click

private:
    QRadioButton* Radio() const;
    void Clicked();
};
