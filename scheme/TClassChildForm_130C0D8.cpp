#include "scheme/TClassChildForm_130C0D8.h"

#include "objlib/Cp1251Literal.h"
#include "objlib/qt/Application.h"
#include "objlib/qt/Translation.h"

// The components are set up in the order of creation; the form is set up and initialised
// before the text box is created (InitForm, from the member initialisers), since the box's
// window is a child of the form's.
TClassChildForm_130C0D8::TClassChildForm_130C0D8(TControl* parent)
    : AboutForm(parent), AboutText(InitForm()) {
    View.SetWorkCount(1);
    View.WorkPoints[0] = Point<&THIMainForm::doShowModal>(AboutForm);
    View.Scheme = this;

    AboutText.SetPlacement(10, 10, 370, 205);
    AboutText.Ctl3D = 1;
    AboutText.Color = 0xFF000005;
    AboutText.ScrollBars = 0;  // no scroll bars: long lines wrap
    AboutText.ReadOnly = 0;    // read-only
    AboutText.Text = LoadTextResource(InterfaceResource(QStringLiteral(":/Str1")));  // in the interface language
    AboutText.Init();
}

TControl* TClassChildForm_130C0D8::InitForm() {
    AboutForm.SetPlacement(35, 105, 400, 300);  // left and top give way: the form is centred in Init
    AboutForm.Color = 0xFF00000F;
    AboutForm.Caption = "О программе"_cp1251;
    AboutForm.BorderStyle = 3;
    AboutForm.Icon = LoadIcon(QStringLiteral(":/ICON1"));
    AboutForm.AlphaBlend = 255;
    AboutForm.Visible = true;
    AboutForm.Init();
    return AboutForm.Control.get();
}
