#include "objlib/qt/TSplitterBar.h"

#include <QMouseEvent>

#include "objlib/qt/TControl.h"

TSplitterBar::TSplitterBar(TControl& owner, QWidget* parent, bool across)
    : QWidget(parent), owner_(owner), across_(across) {
    setCursor(across ? Qt::SplitHCursor : Qt::SplitVCursor);
    setAutoFillBackground(true);
}

void TSplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !owner_.Widget()) return;
    dragging_ = true;
    pressPos_ = event->globalPosition().toPoint();
    startSize_ = across_ ? owner_.Widget()->width() : owner_.Widget()->height();
}

void TSplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint moved = event->globalPosition().toPoint() - pressPos_;
    owner_.DragSplitter(startSize_, across_ ? moved.x() : moved.y());
}

void TSplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}
