#include "scheme/TClassChildForm_130C0D8.h"

#include "objlib/Cp1251Literal.h"
#include "objlib/qt/Application.h"

TClassChildForm_130C0D8::TClassChildForm_130C0D8(TControl* parent)
    : AboutForm(parent), AboutText(InitForm()) {
    AboutText.SetPlacement(10, 10, 370, 205);
    AboutText.Ctl3D = 1;
    AboutText.Color = 0xFF000005;
    AboutText.ScrollBars = 0;  // no scroll bars: long lines wrap
    AboutText.ReadOnly = 0;    // read-only
    AboutText.Text = LoadTextResource(QStringLiteral(":/Str1"));
    AboutText.Init();

    View.SetWorkCount(1);
    View.WorkPoints[0] = Point<&THIMainForm::doShowModal>(AboutForm);
    View.Scheme = this;
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
