// THIMainForm: a top-level window (the editor's main window, the About window).
//
// Nothing is shown before the start-up queue runs FormStarted: it raises onCreate and then
// shows the form according to Visible. The first form created is the application owner:
// its close request switches the event hooks off and ends the message loop. Any other form
// is only hidden by a close request (ending its modal display) and can be shown again.
#pragma once

#include <QIcon>

#include "components/window/THIWin.h"

class QEventLoop;

class THIMainForm : public THIWin {
public:
    // A hidden top-level window titled "Form" with the 11-pixel sans-serif font, owned by the
    // parent's window when there is a parent; queues FormStarted.
    explicit THIMainForm(TControl* parent);
    ~THIMainForm() override;

    // The base's Init with the form kept hidden, then caption, icon, border style, opacity,
    // and the placement: centred on the primary screen whatever Left and Top say.
    void Init() override;

    // Method point: shows the form modally (input to the other windows is blocked) and returns
    // when it is closed. The record is not used.
    void doShowModal(TData& d, uint16_t index);

    Bytes Caption = "Form";
    QIcon Icon;                // a null icon: the parent's (Qt's default)
    uint8_t BorderStyle = 2;   // 0..7, see THIMainForm.cpp; larger values are ignored
    uint8_t AlphaBlend = 255;  // opacity, 255 opaque
    bool IsApplicationOwner = false;
    // The smallest client size the user can give a sizeable form; 0 leaves a side free.
    int32_t MinWidth = 0;
    int32_t MinHeight = 0;

    THI_Event onCreate;  // NULL, once, from the start-up queue

protected:
    void CloseRequest() override;

private:
    void FormStarted();
    void CenterOnScreen();

    QEventLoop* modalLoop_ = nullptr;
};
