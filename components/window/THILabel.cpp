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
    if (TabStop) label->setFocusPolicy(Qt::TabFocus);
    THIWin::Init();
    label->setText(InterfaceText(Caption));
    if (AutoSize) label->adjustSize();
}

void THILabel::ShowUnderline() {
    QWidget* label = Control->Widget();
    QFont font = label->font();
    font.setUnderline((Font.Style & FontStyle::Underline) || (HoverUnderline && hovered_) || (TabStop && focused_));
    label->setFont(font);
    if (AutoSize) label->adjustSize();
}

void THILabel::MouseEnter() {
    if (HoverColor != 0) Control->SetTextColor(HoverColor);
    if (HoverCursor != 0) Control->SetCursor(HoverCursor);
    hovered_ = true;
    if (HoverUnderline) ShowUnderline();
}

void THILabel::MouseLeave() {
    if (HoverColor != 0) Control->SetTextColor(Font.Color);
    if (HoverCursor != 0) Control->SetCursor(Cursor);
    hovered_ = false;
    if (HoverUnderline) ShowUnderline();
}

void THILabel::Click() { RaiseNull(onClick); }

void THILabel::KeyDown(int& key) {
    THIWin::KeyDown(key);
    if (!TabStop || (key != 13 && key != 32)) return;  // Enter, Space
    key = 0;
    Click();
}

void THILabel::FocusIn() {
    THIWin::FocusIn();
    focused_ = true;
    if (TabStop) ShowUnderline();
}

void THILabel::FocusOut() {
    THIWin::FocusOut();
    focused_ = false;
    if (TabStop) ShowUnderline();
}
