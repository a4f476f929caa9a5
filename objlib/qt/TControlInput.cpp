// TControl's event delivery: the widget's Qt events become the owner's TControlEvents hooks.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "objlib/qt/EventDelivery.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/TControl.h"
#include "objlib/qt/VirtualKey.h"

namespace {

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

}  // namespace

// Feeds the widget's events to its TControl.
class TControlFilter : public QObject {
public:
    explicit TControlFilter(TControl& control) : control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return control_.HandleEvent(watched, event); }

private:
    TControl& control_;
};

std::unique_ptr<QObject> TControl::CreateEventFilter(TControl& control) {
    return std::make_unique<TControlFilter>(control);
}

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
    if (widget)
        DeliverHere(widget, event);
    else
        event->accept();
    return true;
}
