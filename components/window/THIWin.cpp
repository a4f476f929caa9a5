#include "components/window/THIWin.h"

THIWin::THIWin(TControl* parent) : ParentControl(parent) {
    if (parent) Color = parent->Color();
}

THIWin::~THIWin() {
    if (!Control) return;
    Control->SetEvents(nullptr);
    // The derived component is gone already: no signal of the dying widget may reach it.
    if (QWidget* widget = Control->Widget()) QObject::disconnect(widget, nullptr, nullptr, nullptr);
}

void THIWin::Init() {
    TControl& c = *Control;
    c.SetColor(Color);
    c.SetBounds(Left, Top, Width, Height);
    if (Ctl3D < 2) c.SetFrame(Ctl3D);
    c.SetEnabled(Enabled);
    c.SetCursor(Cursor);
    if (ParentFont && ParentControl)
        c.CopyFont(*ParentControl);
    else
        c.SetFont(Font);
    c.SetTabOrder(TabOrder);
    if (!Hint.empty()) c.SetHint(Hint);
    c.SetEvents(this);
    c.SetAlign(Align);
    if (Splitter.Width > 0) c.SetSplitter(Splitter);
    c.SetVisible(false);
    c.SetVisible(Visible);
}

TControlEvents* THIWin::KeyParent() const {
    return KeyToParent && ParentControl ? ParentControl->Events() : nullptr;
}

void THIWin::MouseDown(int button) { RaiseInteger(onMouseDown, button); }
void THIWin::MouseMove(int buttons) { RaiseInteger(onMouseMove, buttons); }
void THIWin::MouseUp(int button) { RaiseInteger(onMouseUp, button); }
void THIWin::MouseWheel(int delta) { RaiseInteger(onMouseWheel, delta); }
void THIWin::DblClick(int button) { RaiseInteger(onDblClick, button); }

void THIWin::KeyDown(int& key) {
    if (TControlEvents* parent = KeyParent()) parent->KeyDown(key);
    if (key != 0) RaiseInteger(onKeyDown, key);
}

void THIWin::KeyUp(int& key) {
    if (TControlEvents* parent = KeyParent()) parent->KeyUp(key);
    if (key != 0) RaiseInteger(onKeyUp, key);
}

void THIWin::KeyChar(Bytes& text) {
    if (TControlEvents* parent = KeyParent()) parent->KeyChar(text);
    if (!text.empty()) RaiseString(onKeyPress, text);
}

void THIWin::FocusIn() { RaiseNull(onSetFocus); }
void THIWin::FocusOut() { RaiseNull(onKillFocus); }
void THIWin::Resized() { RaiseNull(onResize); }
