// TControl's look: colours, fonts, frames and cursors from the components' properties.
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "objlib/qt/QtColor.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/TControl.h"

namespace {

struct CursorShape {
    uint32_t platform;
    Qt::CursorShape shape;
};

// The platform's standard cursor numbers.
constexpr CursorShape kCursors[] = {
    {32512, Qt::ArrowCursor},     {32513, Qt::IBeamCursor},      {32514, Qt::WaitCursor},
    {32515, Qt::CrossCursor},     {32516, Qt::UpArrowCursor},    {32642, Qt::SizeFDiagCursor},
    {32643, Qt::SizeBDiagCursor}, {32644, Qt::SizeHorCursor},    {32645, Qt::SizeVerCursor},
    {32646, Qt::SizeAllCursor},   {32648, Qt::ForbiddenCursor},  {32649, Qt::PointingHandCursor},
    {32650, Qt::BusyCursor},      {32651, Qt::WhatsThisCursor},
};

// Widgets that paint an input area in the Base colour rather than the Window colour.
bool HasInputArea(const QWidget* w) {
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

}  // namespace

void TControl::SetColor(uint32_t color) {
    color_ = color;
    if (!widget_) return;
    const QColor c = ToQColor(color);
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, c);
    if (HasInputArea(widget_)) palette.setColor(QPalette::Base, c);
    // A drop-down list shows its current item on a button-like face.
    if (qobject_cast<QComboBox*>(widget_)) palette.setColor(QPalette::Button, c);
    widget_->setPalette(palette);
    // Push buttons keep their face; everything else paints its background in the colour.
    if (!qobject_cast<QPushButton*>(widget_)) widget_->setAutoFillBackground(true);
}

void TControl::SetFont(const TFontRec& font) {
    if (!widget_) return;
    QString family = ToQString(font.Name);
    int stretch = QFont::Unstretched;
    if (family == QLatin1String("MS Sans Serif")) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        // The windows were laid out for that narrow bitmap font; the platform's sans-serif is
        // about a tenth wider and would cut off the captions of fixed-width check boxes.
        stretch = 90;
    }
    QFont f = widget_->font();
    f.setFamilies({family});
    f.setStyleHint(QFont::SansSerif);
    f.setStretch(stretch);
    f.setPixelSize(std::max((font.Size * 96 + 36) / 72, 1));
    f.setBold(font.Style & FontStyle::Bold);
    f.setItalic(font.Style & FontStyle::Italic);
    f.setUnderline(font.Style & FontStyle::Underline);
    f.setStrikeOut(font.Style & FontStyle::StrikeOut);
    widget_->setFont(f);
    SetTextColor(font.Color);
}

void TControl::CopyFont(const TControl& from) {
    if (!widget_ || !from.widget_) return;
    widget_->setFont(from.widget_->font());
    QPalette palette = widget_->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, from.widget_->palette().color(role));
    widget_->setPalette(palette);
}

void TControl::SetTextColor(uint32_t color) {
    if (!widget_) return;
    const QColor c = ToQColor(color);
    QPalette palette = widget_->palette();
    // The disabled group keeps its greyed text.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, c);
    widget_->setPalette(palette);
}

void TControl::SetFrame(uint8_t ctl3d) {
    auto* frame = qobject_cast<QFrame*>(widget_.data());
    if (!frame) return;
    if (ctl3d == 0) {
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    } else if (ctl3d == 1) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
    }
}

void TControl::SetCursor(uint32_t cursor) {
    if (!widget_) return;
    if (cursor == 0) {
        widget_->unsetCursor();
        return;
    }
    for (const CursorShape& c : kCursors)
        if (c.platform == cursor) widget_->setCursor(c.shape);
}
