// TableHoverSelect: hover selection for a string table view. When the mouse pointer rests on
// a row (no button held, no movement for the rest time) that row becomes the selected and
// current row, as a click would make it, without scrolling.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>

class StringTableView;

class TableHoverSelect : public QObject {
public:
    // How long the pointer must rest on a row, in milliseconds.
    static constexpr int kRestTime = 400;

    // Watches `view`'s viewport; `allowed` is asked before each selection (false: leave it).
    TableHoverSelect(StringTableView& view, std::function<bool()> allowed);
    ~TableHoverSelect() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rested();

    QPointer<StringTableView> view_;
    std::function<bool()> allowed_;
    QTimer rest_;
    QPoint pointer_;  // viewport coordinates of the last move
};
