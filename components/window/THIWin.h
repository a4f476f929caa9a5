// THIWin: the base of every visible component. It owns one TControl, applies the placement,
// look and behaviour properties to it once in Init, and turns the window's mouse, keyboard,
// focus and size notifications into its event points.
//
// Naming rule of the window components: a value point whose name is also the name of a
// property carries the suffix `Value` (THIEdit::TextValue, THICheckBox::CheckedValue); every
// other point keeps its own name (THIListBox::Index).
#pragma once

#include <cstdint>
#include <memory>

#include "objlib/qt/TControl.h"
#include "runtime/Dispatch.h"

class THIWin : protected TControlEvents {
public:
    // Color := the parent's colour when there is a parent; Ctl3D 2; Visible, Enabled and
    // KeyToParent on; MouseCapture off. The concrete component creates Control.
    explicit THIWin(TControl* parent);
    virtual ~THIWin();
    THIWin(const THIWin&) = delete;
    THIWin& operator=(const THIWin&) = delete;

    // Applies the properties to Control, in this order: colour, position and size, frame,
    // enabled, cursor, font, TAB order, hint, event hooks, docking (and splitter), visibility.
    // The scheme calls it once, after setting the properties.
    virtual void Init();

    // Sets Left, Top, Width and Height (pixels, relative to the parent's client area).
    void SetPlacement(int32_t left, int32_t top, int32_t width, int32_t height) {
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }

    TControl* ParentControl;
    std::unique_ptr<TControl> Control;

    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    uint8_t Align = Align::None;
    int32_t TabOrder = 0;
    uint32_t Color = 0xFF00000F;
    uint8_t Ctl3D = 2;
    Bytes Hint;
    TFontRec Font;
    bool ParentFont = false;
    bool Visible = true;
    bool Enabled = true;
    uint32_t Cursor = 0;
    // Qt always captures the mouse between a press and its release, so this needs no action.
    bool MouseCapture = false;
    // Kept as the schemes set it; Qt's flat push button loses its border entirely (the
    // platform's keeps a thin one), so buttons keep Qt's normal look.
    bool Flat = false;
    bool KeyToParent = true;
    TSplitterRec Splitter;  // Width 0: no splitter bar

    THI_Event onKeyDown;     // Integer virtual-key code
    THI_Event onKeyUp;       // Integer virtual-key code
    THI_Event onKeyPress;    // String: the typed character (cp1251)
    THI_Event onMouseDown;   // Integer button: 0 left, 1 right, 2 middle
    THI_Event onMouseMove;   // Integer: 0/1/2 when only that button is held, -1 otherwise
    THI_Event onMouseUp;     // Integer button
    THI_Event onMouseWheel;  // Integer signed wheel delta (120 per notch)
    THI_Event onSetFocus;    // NULL
    THI_Event onKillFocus;   // NULL
    THI_Event onDblClick;    // Integer button of the double click
    THI_Event onResize;      // NULL

protected:
    void MouseDown(int button) override;
    void MouseMove(int buttons) override;
    void MouseUp(int button) override;
    void MouseWheel(int delta) override;
    void DblClick(int button) override;
    // With KeyToParent, the parent component's handler sees the key first; if it takes the key
    // (sets it to 0) nothing is raised here.
    void KeyDown(int& key) override;
    void KeyUp(int& key) override;
    void KeyChar(Bytes& text) override;
    void FocusIn() override;
    void FocusOut() override;
    void Resized() override;

private:
    // The component behind the parent window, when KeyToParent sends it keys.
    TControlEvents* KeyParent() const;
};
