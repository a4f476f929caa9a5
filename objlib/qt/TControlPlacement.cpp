// TControl's placement: bounds, docking in creation order and the splitter bar.
#include <algorithm>

#include "objlib/qt/QtColor.h"
#include "objlib/qt/TControl.h"
#include "objlib/qt/TSplitterBar.h"

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
