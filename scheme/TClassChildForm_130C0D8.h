// The About window: a fixed-size window owned by the main window, with one read-only text box
// showing the About text of the resources ("Str1").
//
// Container point: method #0 shows the window modally and returns when it is closed. The
// container builds this scheme on its first call only; later calls show the same window.
#pragma once

#include "components/window/THIMainForm.h"
#include "components/window/THIMemo.h"
#include "runtime/MultiElement.h"

class TClassChildForm_130C0D8 : public TScheme {
public:
    explicit TClassChildForm_130C0D8(TControl* parent);

    THIMainForm AboutForm;  // set up before the text box placed on it is created
    THIEditMulti View;
    THIMemo AboutText;

private:
    // Sets AboutForm up and returns its window, the parent of the text box.
    TControl* InitForm();
};
