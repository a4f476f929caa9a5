#include "objlib/qt/TControl.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <algorithm>

#include "objlib/qt/QtColor.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/TSplitterBar.h"
#include "objlib/qt/VirtualKey.h"

namespace {

constexpr const char* kControlProperty = "morvaneControl";

// Button numbers of the hooks; -1 for buttons they do not report.
int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 0;
    case Qt::RightButton: return 1;
    case Qt::MiddleButton: return 2;
    default: return -1;
    }
}

int HeldButtons(Qt::MouseButtons buttons) {
    if (buttons == Qt::LeftButton) return 0;
    if (buttons == Qt::RightButton) return 1;
    if (buttons == Qt::MiddleButton) return 2;
    return -1;
}

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

QWidget* ViewportOf(QWidget* w) {
    auto* area = qobject_cast<QAbstractScrollArea*>(w);
    return area ? area->viewport() : nullptr;
}

}  // namespace

// Feeds the widget's events to its TControl.
class TControlFilter : public QObject {
public:
    explicit TControlFilter(TControl& control) : control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return control_.HandleEvent(watched, event); }

private:
    TControl& control_;
};

TControl::TControl(TControl* parent, QWidget* widget)
    : widget_(widget), parent_(parent), filter_(std::make_unique<TControlFilter>(*this)) {
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
    if (parent && parent->widget_ && !widget->parentWidget()) {
        widget->setParent(parent->widget_);
        parent->children_.push_back(this);
    }
    widget->hide();
    // Files dropped on a control go to the form that asked for them, as on the platform,
    // instead of into a text box as text.
    widget->setAcceptDrops(false);
    // A control gets its own mouse events only; an ignored click does not reach its parent.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->setMouseTracking(true);
    widget->installEventFilter(filter_.get());
    if (QWidget* viewport = ViewportOf(widget)) {
        viewport->setAcceptDrops(false);
        viewport->setAttribute(Qt::WA_NoMousePropagation);
        viewport->setMouseTracking(true);
        viewport->installEventFilter(filter_.get());
    }
}

TControl::~TControl() {
    events_ = nullptr;
    for (TControl* child : children_) child->parent_ = nullptr;
    if (parent_) std::erase(parent_->children_, this);
    delete splitterBar_.data();
    if (widget_) {
        widget_->removeEventFilter(filter_.get());
        if (QWidget* viewport = ViewportOf(widget_)) viewport->removeEventFilter(filter_.get());
        widget_->hide();
        delete widget_.data();
    }
    if (parent_ && align_ != Align::None) parent_->Realign();
}

TControl* TControl::Of(const QWidget* widget) {
    return widget ? static_cast<TControl*>(widget->property(kControlProperty).value<void*>()) : nullptr;
}

// ---- Placement -----------------------------------------------------------------------------

void TControl::SetBounds(int left, int top, int width, int height) {
    if (!widget_) return;
    widget_->move(left, top);
    widget_->resize(std::max(width, 0), std::max(height, 0));
    if (parent_ && align_ != Align::None) parent_->Realign();
    Realign();
}

void TControl::SetAlign(uint8_t align) {
    align_ = align <= Align::Client ? align : Align::None;
    if (parent_) parent_->Realign();
}

void TControl::SetSplitter(const TSplitterRec& splitter) {
    splitter_ = splitter;
    delete splitterBar_.data();
    if (splitter.Width <= 0 || !parent_ || !parent_->widget_) return;
    const bool across = align_ == Align::Left || align_ == Align::Right;
    splitterBar_ = new TSplitterBar(*this, parent_->widget_, across);
    QPalette palette = splitterBar_->palette();
    palette.setColor(QPalette::Window, ToQColor(splitter.Color));
    splitterBar_->setPalette(palette);
    parent_->Realign();
}

void TControl::PlaceSplitterBar(int x, int y, int w, int h) {
    if (!splitterBar_) return;
    splitterBar_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    splitterBar_->show();
}

void TControl::Realign() {
    if (!widget_) return;
    const QRect free = widget_->contentsRect();
    int x = free.x(), y = free.y(), w = free.width(), h = free.height();
    auto place = [](TControl* c, int cx, int cy, int cw, int ch) {
        c->widget_->setGeometry(cx, cy, std::max(cw, 0), std::max(ch, 0));
    };
    // Sides take their room in this order, each side's windows in creation order, so a strip
    // docked to the top or bottom spans the whole width and left/right windows fit between.
    for (uint8_t side : {Align::Top, Align::Bottom, Align::Left, Align::Right}) {
        for (TControl* c : children_) {
            if (!c->widget_ || c->align_ != side) continue;
            if (c->widget_->isHidden()) {
                if (c->splitterBar_) c->splitterBar_->hide();
                continue;
            }
            const int bar = c->splitterBar_ ? c->splitter_.Width : 0;
            const int cw = c->widget_->width(), ch = c->widget_->height();
            switch (side) {
            case Align::Left:
                c->dockRoom_ = w;
                place(c, x, y, cw, h);
                c->PlaceSplitterBar(x + cw, y, bar, h);
                x += cw + bar;
                w -= cw + bar;
                break;
            case Align::Top:
                c->dockRoom_ = h;
                place(c, x, y, w, ch);
                c->PlaceSplitterBar(x, y + ch, w, bar);
                y += ch + bar;
                h -= ch + bar;
                break;
            case Align::Right:
                c->dockRoom_ = w;
                place(c, x + w - cw, y, cw, h);
                c->PlaceSplitterBar(x + w - cw - bar, y, bar, h);
                w -= cw + bar;
                break;
            case Align::Bottom:
                c->dockRoom_ = h;
                place(c, x, y + h - ch, w, ch);
                c->PlaceSplitterBar(x, y + h - ch - bar, w, bar);
                h -= ch + bar;
                break;
            }
        }
    }
    for (TControl* c : children_)
        if (c->widget_ && c->align_ == Align::Client && !c->widget_->isHidden()) place(c, x, y, w, h);
}

void TControl::DragSplitter(int startSize, int delta) {
    if (!widget_ || !parent_) return;
    const bool grows = align_ == Align::Left || align_ == Align::Top;
    int size = grows ? startSize + delta : startSize - delta;
    size = std::min(size, dockRoom_ - splitter_.Width - splitter_.MinRestSize);
    size = std::max(size, splitter_.MinOwnSize);
    if (align_ == Align::Left || align_ == Align::Right)
        widget_->resize(size, widget_->height());
    else
        widget_->resize(widget_->width(), size);
    parent_->Realign();
}

// ---- Look ----------------------------------------------------------------------------------

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

void TControl::SetEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}

void TControl::SetVisible(bool visible) {
    if (!widget_) return;
    widget_->setVisible(visible);
    if (parent_ && align_ != Align::None) parent_->Realign();
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

void TControl::SetHint(std::string_view cp1251) {
    if (widget_) widget_->setToolTip(ToQString(cp1251));
}

void TControl::SetTabOrder(int order) {
    tabOrder_ = order;
    if (!widget_) return;
    if (order < 0) {
        widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(widget_->focusPolicy() & ~Qt::TabFocus));
        return;
    }
    if (order == 0 || !parent_) return;
    std::vector<TControl*> stops;
    for (TControl* c : parent_->children_)
        if (c->widget_ && c->tabOrder_ > 0) stops.push_back(c);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TControl* a, const TControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1]->widget_, stops[i]->widget_);
}

// ---- Events --------------------------------------------------------------------------------

bool TControl::IsMouseSource(const QObject* watched) const {
    // A scrolling view gets its mouse events on its viewport; the frame around it passes on.
    const QWidget* viewport = ViewportOf(widget_);
    return watched == (viewport ? viewport : widget_.data());
}

bool TControl::HandleEvent(QObject* watched, QEvent* event) {
    const bool self = watched == widget_;
    if (self && event->type() == QEvent::Resize) {
        Realign();
        if (events_) events_->Resized();
        return false;
    }
    if (!events_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        if (!IsMouseSource(watched)) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int button = ButtonNumber(mouse->button());
        if (event->type() == QEvent::MouseMove) {
            events_->MouseMove(HeldButtons(mouse->buttons()));
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            if (button >= 0) events_->DblClick(button);
        } else if (event->type() == QEvent::MouseButtonPress) {
            if (button == 0) leftPressed_ = true;
            if (button >= 0) events_->MouseDown(button);
        } else {
            const bool click = button == 0 && leftPressed_ &&
                               static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
            if (button == 0) leftPressed_ = false;
            if (button >= 0) events_->MouseUp(button);
            if (click && events_) events_->Click();
        }
        return false;
    }
    case QEvent::Wheel:
        if (IsMouseSource(watched)) {
            const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
            events_->MouseWheel(delta.y() != 0 ? delta.y() : delta.x());
        }
        return false;
    case QEvent::Enter:
        if (IsMouseSource(watched)) events_->MouseEnter();
        return false;
    case QEvent::Leave:
        if (IsMouseSource(watched)) events_->MouseLeave();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return self && HandleKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (self) events_->FocusIn();
        return false;
    case QEvent::FocusOut:
        if (self) events_->FocusOut();
        return false;
    case QEvent::Close:
        if (self) events_->CloseRequest();
        return false;
    default:
        return false;
    }
}

bool TControl::HandleKey(QKeyEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->isAutoRepeat()) return false;
    QPointer<QWidget> widget = widget_;
    int key = VirtualKeyCode(*event);
    if (key != 0) {
        if (press)
            events_->KeyDown(key);
        else
            events_->KeyUp(key);
        if (key == 0) {
            event->accept();
            return true;
        }
    }
    if (press && events_ && !event->text().isEmpty()) {
        std::string typed;
        if (FromQString(event->text(), typed)) {
            Bytes text(typed);
            events_->KeyChar(text);
            if (text.empty()) {
                event->accept();
                return true;
            }
        }
    }
    // Deliver the key here and stop it: Qt would offer a key this widget ignores to its parent
    // widgets, whose hooks would report it a second time. Parents hear of keys only through
    // the components' own KeyToParent rule.
    if (widget) static_cast<QObject*>(widget.data())->event(event);
    event->accept();
    return true;
}
