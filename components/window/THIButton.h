// THIButton: a push button.
#pragma once

#include "components/window/THIWin.h"

class THIButton : public THIWin {
public:
    using THIWin::THIWin;

    // Creates the button with Caption, then the base's Init.
    void Init() override;

    Bytes Caption;
    TData Data;  // raised with onClick; NULL unless the scheme sets it

    THI_Event onClick;  // a copy of Data, on every click
};
