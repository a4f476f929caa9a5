// THICheckBox: a check box that toggles itself on a click. Its state lives in the control;
// the component mirrors it for the value point, which a search reads for every row it walks.
// The value point is CheckedValue (the property is Checked).
#pragma once

#include <QMetaObject>

#include "components/window/THIWin.h"

class QCheckBox;

class THICheckBox : public THIWin {
public:
    // Creates the check box.
    explicit THICheckBox(TControl* parent);
    ~THICheckBox() override;

    // The base's Init, then Caption and Checked.
    void Init() override;

    // Value point: 1 when checked, 0 otherwise, as an Integer.
    void CheckedValue(TData& d, uint16_t index);

    Bytes Caption;
    uint8_t Checked = 1;  // an index: 0 checked, 1 not checked

    THI_Event onCheck;  // the new state (1 or 0), on every click
    THI_Event onClick;  // the new state, right after onCheck

private:
    QCheckBox* Box() const;

    bool checked_ = false;  // the control's state; false once the control is gone
    QMetaObject::Connection goneConnection_;
};
