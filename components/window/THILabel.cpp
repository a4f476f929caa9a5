#include "components/window/THILabel.h"

#include <QLabel>

#include "objlib/qt/QtAlignment.h"
#include "objlib/qt/Translation.h"

THILabel::THILabel(TControl* parent) : THIWin(parent) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    Control = std::make_unique<TControl>(parent, label);
}

void THILabel::Init() {
    auto* label = Control->As<QLabel>();
    label->setAlignment(ToQtAlignment(Alignment) | Qt::AlignTop);
    THIWin::Init();
    label->setText(InterfaceText(Caption));
    if (AutoSize) label->adjustSize();
}

void THILabel::SetUnderline(bool on) {
    QWidget* label = Control->Widget();
    QFont font = label->font();
    font.setUnderline(on);
    label->setFont(font);
    if (AutoSize) label->adjustSize();
}

void THILabel::MouseEnter() {
    if (HoverColor != 0) Control->SetTextColor(HoverColor);
    if (HoverCursor != 0) Control->SetCursor(HoverCursor);
    if (HoverUnderline) SetUnderline(true);
}

void THILabel::MouseLeave() {
    if (HoverColor != 0) Control->SetTextColor(Font.Color);
    if (HoverCursor != 0) Control->SetCursor(Cursor);
    if (HoverUnderline) SetUnderline(Font.Style & FontStyle::Underline);
}

void THILabel::Click() { RaiseNull(onClick); }
