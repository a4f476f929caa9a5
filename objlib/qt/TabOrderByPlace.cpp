#include "objlib/qt/TabOrderByPlace.h"

#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "objlib/qt/TControl.h"

namespace {

// Appends the TAB stops inside `parent` in reading order. A stop's own parts (a table's scroll
// bars, a combo box's list) are its own business and are not looked into.
void CollectStops(const QWidget& parent, std::vector<QWidget*>& stops) {
    std::vector<QWidget*> children;
    for (QObject* child : parent.children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) children.push_back(widget);
    std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget* widget : children) {
        if (widget->focusPolicy() & Qt::TabFocus)
            stops.push_back(widget);
        else
            CollectStops(*widget, stops);
    }
}

}  // namespace

void OrderTabStopsByPlace(TControl& window) {
    QWidget* form = window.Widget();
    if (!form) return;
    std::vector<QWidget*> stops;
    CollectStops(*form, stops);
    for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}
