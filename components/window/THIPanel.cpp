#include "components/window/THIPanel.h"

#include <QLabel>

#include "objlib/qt/Translation.h"

namespace {

Qt::Alignment CaptionAlignment(uint8_t alignment) {
    switch (alignment) {
    case 0: return Qt::AlignLeft | Qt::AlignVCenter;
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignCenter;
    }
}

}  // namespace

void THIPanel::Init() {
    // A label is a frame that can also draw the caption; it takes no input of its own.
    auto* panel = new QLabel;
    panel->setTextFormat(Qt::PlainText);
    const uint8_t bevel = BevelOuter != 0 ? BevelOuter : BevelInner;
    if (BorderStyle != 0) {
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        panel->setLineWidth(1);
    } else if (bevel != 0) {
        panel->setFrameStyle(QFrame::Panel | (bevel == 1 ? QFrame::Sunken : QFrame::Raised));
        panel->setLineWidth(BevelWidth * ((BevelOuter != 0) + (BevelInner != 0)));
    }
    Control = std::make_unique<TControl>(ParentControl, panel);
    THIWin::Init();
    panel->setText(InterfaceText(Caption));
    panel->setAlignment(CaptionAlignment(Alignment));
}

void THIPanel::Click() { RaiseNull(onClick); }
