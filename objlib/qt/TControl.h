// TControl: the object library's window object, the platform window a window component owns.
//
// It wraps one QWidget of any kind (a button, a list, a table view, a top-level form) and adds
// what the components rely on and Qt does not give directly: placement relative to the
// parent's client area, docking in creation order with an optional splitter bar, colours and
// fonts given as component properties, and one set of event hooks (TControlEvents) fed from
// the widget's Qt events. Schemes pass TControl* around as the opaque parent of their windows.
//
// Event rules, as on the platform: a scrolling view (QAbstractScrollArea: list, table, memo)
// reports the mouse events of its viewport; a mouse event a control ignores does not travel
// on to its parent; a key is reported by the control that receives it, which then delivers
// it to its widget and stops it (parents hear of keys only through KeyToParent); no control
// takes dropped files or text (the form that asks for drops gets them).
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "objlib/qt/TControlEvents.h"
#include "objlib/qt/TFontRec.h"
#include "objlib/qt/TSplitterRec.h"

class QObject;
class QEvent;
class QKeyEvent;
class TSplitterBar;

namespace Align {
constexpr uint8_t None = 0;
constexpr uint8_t Left = 1;
constexpr uint8_t Top = 2;
constexpr uint8_t Right = 3;
constexpr uint8_t Bottom = 4;
constexpr uint8_t Client = 5;
}  // namespace Align

class TControl {
public:
    // Takes ownership of `widget` and hides it. A widget without a parent becomes a child of
    // `parent`'s widget (and one of its docked children, in creation order); a form is created
    // as a Qt::Window with its owner as parent and keeps it. `parent` may be nil.
    TControl(TControl* parent, QWidget* widget);
    // Hides and deletes the widget unless it is already gone (deleted with its parent widget).
    ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // The wrapped widget, or nil once it is gone.
    QWidget* Widget() const { return widget_; }
    template <class W>
    W* As() const {
        return qobject_cast<W*>(widget_.data());
    }
    bool Exists() const { return !widget_.isNull(); }
    TControl* Parent() const { return parent_; }
    // The TControl that wraps `widget`, or nil.
    static TControl* Of(const QWidget* widget);

    // Events go to `events` from now on (nil: nowhere). The hooks are the only way out.
    void SetEvents(TControlEvents* events) { events_ = events; }
    TControlEvents* Events() const { return events_; }

    // ---- Placement: pixels, relative to the parent's client area (TControlPlacement.cpp) -------
    void SetBounds(int left, int top, int width, int height);
    void SetAlign(uint8_t align);
    // A bar of splitter.Width pixels on the inner edge of this docked window; dragging it
    // resizes this window within the two minimums.
    void SetSplitter(const TSplitterRec& splitter);
    // Lays the docked children out again (on every resize of this window, and after a
    // docked child changed): the top, bottom, left and right windows, each side in creation
    // order, then the client ones in what is left.
    void Realign();

    // ---- Look (TControlLook.cpp) ---------------------------------------------------------------
    // A colour property value (0x00BBGGRR or 0xFF000000 + system colour) as the background.
    void SetColor(uint32_t color);
    uint32_t Color() const { return color_; }
    // Pixel height (Size * 96 + 36) / 72: Qt's pixels are already 96-per-inch device-independent.
    // "MS Sans Serif" becomes the platform's sans-serif font, narrowed to 90%.
    void SetFont(const TFontRec& font);
    void CopyFont(const TControl& from);
    void SetTextColor(uint32_t color);
    // 0 sunken edge, 1 flat single border, 2 the widget's own frame (only frames of QFrame
    // kinds change; other widgets keep theirs).
    void SetFrame(uint8_t ctl3d);
    // 0 the widget's own cursor; otherwise a platform cursor number (IDC_ARROW 32512, ...).
    void SetCursor(uint32_t cursor);

    // ---- Behaviour -----------------------------------------------------------------------------
    void SetEnabled(bool enabled);
    void SetVisible(bool visible);
    // Shown in the interface language (Translation.h); empty text: no tooltip.
    void SetHint(std::string_view cp1251);
    // > 0 a TAB stop at that place among its siblings, 0 the default order, < 0 not a TAB stop.
    void SetTabOrder(int order);

private:
    friend class TControlFilter;
    friend class TSplitterBar;

    // The viewport of a scrolling view, which gets the view's mouse events; nil for others.
    static QWidget* ViewportOf(QWidget* widget);

    // ---- Event delivery (TControlInput.cpp) ---------------------------------------------------
    // The filter that feeds the widget's (and its viewport's) events to HandleEvent.
    static std::unique_ptr<QObject> CreateEventFilter(TControl& control);
    bool HandleEvent(QObject* watched, QEvent* event);
    bool HandleKey(QKeyEvent* event);
    bool IsMouseSource(const QObject* watched) const;

    // ---- The splitter bar's side of placement -------------------------------------------------
    void DragSplitter(int startSize, int delta);
    void PlaceSplitterBar(int x, int y, int w, int h);

    QPointer<QWidget> widget_;
    TControl* parent_;
    std::vector<TControl*> children_;  // creation order
    TControlEvents* events_ = nullptr;
    std::unique_ptr<QObject> filter_;
    uint32_t color_ = 0xFF00000F;
    uint8_t align_ = Align::None;
    int tabOrder_ = 0;
    TSplitterRec splitter_;
    QPointer<TSplitterBar> splitterBar_;
    int dockRoom_ = 0;      // the extent that was free along the docking axis at the last layout
    bool leftPressed_ = false;
};
