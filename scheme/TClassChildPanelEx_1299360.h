// The tables panel: the working area right of the file panel. For now it only takes its
// place on the main form and accepts its six method points (#0 a section name, #1 a row
// string, #2 the path of a file just read, #3 the cursor position, #4 write the file, #5 load
// the table files), which lead nowhere yet.
#pragma once

#include "components/window/THIPanel.h"
#include "runtime/MultiElement.h"

class TClassChildPanelEx_1299360 : public TScheme {
public:
    explicit TClassChildPanelEx_1299360(TControl* parent);

    THIPanel TablesPanel;
    THIEditMultiEx View;
};
