// TSplitterBar: the bar beside a docked window that the user drags to resize that window.
#pragma once

#include <QPoint>
#include <QWidget>

class TControl;

class TSplitterBar : public QWidget {
public:
    // `across`: the bar stands beside a window docked left or right and is dragged sideways;
    // otherwise it lies above or below a window docked top or bottom and is dragged up and down.
    TSplitterBar(TControl& owner, QWidget* parent, bool across);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TControl& owner_;
    bool across_;
    bool dragging_ = false;
    QPoint pressPos_;  // global
    int startSize_ = 0;
};
