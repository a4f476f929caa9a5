// TControl: taking the widget over and letting it go, and the window's behaviour settings
// (enabled, visible, hint, TAB order). Placement, look and event delivery have files of their
// own: TControlPlacement.cpp, TControlLook.cpp and TControlInput.cpp.
#include "objlib/qt/TControl.h"

#include <QAbstractScrollArea>
#include <algorithm>

#include "objlib/qt/TSplitterBar.h"
#include "objlib/qt/Translation.h"

namespace {

constexpr const char* kControlProperty = "morvaneControl";

}  // namespace

TControl::TControl(TControl* parent, QWidget* widget)
    : widget_(widget), parent_(parent), filter_(CreateEventFilter(*this)) {
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

QWidget* TControl::ViewportOf(QWidget* w) {
    auto* area = qobject_cast<QAbstractScrollArea*>(w);
    return area ? area->viewport() : nullptr;
}

void TControl::SetEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}

void TControl::SetVisible(bool visible) {
    if (!widget_) return;
    widget_->setVisible(visible);
    if (parent_ && align_ != Align::None) parent_->Realign();
}

void TControl::SetHint(std::string_view cp1251) {
    if (widget_) widget_->setToolTip(InterfaceText(cp1251));
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
