#include "components/window/TableHoverSelect.h"

#include <QMouseEvent>

#include "components/window/StringTableView.h"

TableHoverSelect::TableHoverSelect(StringTableView& view, std::function<bool()> allowed)
    : view_(&view), allowed_(std::move(allowed)) {
    rest_.setSingleShot(true);
    rest_.setInterval(kRestTime);
    QObject::connect(&rest_, &QTimer::timeout, this, [this] { Rested(); });
    view.viewport()->setMouseTracking(true);
    view.viewport()->installEventFilter(this);
}

TableHoverSelect::~TableHoverSelect() {
    if (view_) view_->viewport()->removeEventFilter(this);
}

bool TableHoverSelect::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() != Qt::NoButton) {
            rest_.stop();
            break;
        }
        pointer_ = mouse->position().toPoint();
        rest_.start();
        break;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
        rest_.stop();
        break;
    default:
        break;
    }
    return false;
}

void TableHoverSelect::Rested() {
    if (!view_ || (allowed_ && !allowed_())) return;
    const int row = view_->rowAt(pointer_.y());
    // Resting on the row that is already selected alone changes nothing (and reports nothing).
    if (row >= 0) view_->SelectRowAlone(row);
}
