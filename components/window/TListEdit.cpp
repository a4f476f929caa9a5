#include "components/window/TListEdit.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "components/window/StringTableModel.h"
#include "components/window/StringTableRows.h"
#include "components/window/StringTableView.h"
#include "objlib/qt/Cp1251Input.h"
#include "objlib/qt/EventDelivery.h"
#include "objlib/qt/FileText.h"
#include "objlib/qt/VirtualKey.h"

namespace {

const QColor kBoxBackground(255, 232, 186);

bool IsModifierKey(int key) { return key == 16 || key == 17 || key == 18 || key == 91 || key == 92; }

// Undo and redo keys that the box has no typing of its own for go to the window, which undoes
// the table's own steps.
bool LeavesToWindow(const QLineEdit& box, QKeyEvent& key) {
    return (key.matches(QKeySequence::Undo) && !box.isUndoAvailable()) ||
           (key.matches(QKeySequence::Redo) && !box.isRedoAvailable());
}

// What a box holds as cell text: in the open file's encoding, with '?' for what it cannot write
// (the boxes refuse such characters as they are typed, so only a cp1251 cell's unassigned byte
// gets here), and spaces for the characters that would end the cell or the row.
std::string CellText(const QString& text, char delimiter) {
    std::string cell;
    if (!FileTextFromQString(text, cell)) {
        cell.clear();
        for (char32_t c : text.toUcs4()) {
            std::string one;
            cell += FileTextFromQString(QString::fromUcs4(&c, 1), one) ? one : std::string("?");
        }
    }
    std::replace_if(cell.begin(), cell.end(), [delimiter](char c) { return c == delimiter || c == '\r' || c == '\n'; },
                    ' ');
    return cell;
}

}  // namespace

TListEdit::TListEdit(StringTableView& view, StringTableModel& model, TStringTableRows& rows,
                     const THI_Event& onBeginEdit, const THI_Event& onEndEdit)
    : view_(&view), model_(model), rows_(rows), onBeginEdit_(onBeginEdit), onEndEdit_(onEndEdit) {
    view.viewport()->installEventFilter(this);
    const auto place = [this] { Place(); };
    connect(view.verticalScrollBar(), &QScrollBar::valueChanged, this, place);
    connect(view.horizontalScrollBar(), &QScrollBar::valueChanged, this, place);
    connect(view.horizontalHeader(), &QHeaderView::sectionResized, this, place);
    connect(view.horizontalHeader(), &QHeaderView::sectionMoved, this, place);
}

TListEdit::~TListEdit() {
    if (view_) view_->viewport()->removeEventFilter(this);
    // A box being destroyed still sends events; this filter must not see them half-destroyed.
    std::vector<QPointer<QLineEdit>> boxes;
    boxes.swap(boxes_);
    for (QPointer<QLineEdit>& box : boxes) {
        if (!box) continue;
        box->removeEventFilter(this);
        delete box.data();
    }
}

void TListEdit::Open() { OpenAt(ColumnUnderPointer()); }

void TListEdit::OpenAt(int mouseColumn) {
    if (!view_) return;
    CloseSaving();
    model_.Publish();
    const int row = view_->FirstSelectedRow();
    if (row < 0 || rows_.ColumnCount() == 0) return;
    RaiseInteger(onBeginEdit_, row);
    // The receiver may have changed the table meanwhile.
    if (!view_ || IsOpen() || row >= model_.rowCount() || rows_.ColumnCount() == 0) return;
    row_ = row;
    view_->MakeRowVisible(row);
    ShowBoxes(rememberedColumn_ >= 0 ? rememberedColumn_ : std::max(mouseColumn, 0));
}

void TListEdit::ShowBoxes(int focusColumn) {
    const int columns = rows_.ColumnCount();
    while (static_cast<int>(boxes_.size()) > columns) {
        if (QLineEdit* box = boxes_.back()) box->deleteLater();
        boxes_.pop_back();
    }
    while (static_cast<int>(boxes_.size()) < columns) {
        auto* box = new QLineEdit(view_->viewport());
        // Framed and in a colour no row uses, so the open row cannot pass for a plain one.
        QPalette look = box->palette();
        look.setColor(QPalette::Base, kBoxBackground);
        box->setPalette(look);
        AcceptFileTextOnly(*box);
        box->installEventFilter(this);
        boxes_.emplace_back(box);
    }
    shown_.assign(columns, QString());
    for (int column = 0; column < columns; ++column) {
        shown_[column] = FileTextToQString(rows_.Cell(row_, column));
        boxes_[column]->setText(shown_[column]);
        boxes_[column]->setCursorPosition(0);
    }
    Place();
    for (QPointer<QLineEdit>& box : boxes_) box->show();
    boxes_[std::min(focusColumn, columns - 1)]->setFocus(Qt::OtherFocusReason);
}

void TListEdit::Place() {
    if (!IsOpen() || !view_) return;
    for (size_t column = 0; column < boxes_.size(); ++column)
        if (boxes_[column])
            boxes_[column]->setGeometry(view_->visualRect(model_.index(row_, static_cast<int>(column))));
}

void TListEdit::CloseSaving() {
    if (!IsOpen()) return;
    const int row = row_;
    row_ = -1;  // closed from here on, should writing the cells call back into the editor
    for (size_t column = 0; column < boxes_.size(); ++column) {
        QLineEdit* box = boxes_[column];
        if (box && box->text() != shown_[column])
            rows_.SetCell(row, static_cast<int>(column), CellText(box->text(), rows_.Delimiter));
    }
    const int focused = view_ ? BoxIndex(view_->window()->focusWidget()) : -1;
    if (focused >= 0) rememberedColumn_ = focused;
    HideBoxes();
    QTimer::singleShot(0, this, [this, row] { RaiseInteger(onEndEdit_, row); });
}

void TListEdit::CloseDiscarding() {
    if (!IsOpen()) return;
    row_ = -1;
    HideBoxes();
}

void TListEdit::HideBoxes() {
    const bool hadFocus = view_ && BoxIndex(view_->window()->focusWidget()) >= 0;
    for (QPointer<QLineEdit>& box : boxes_)
        if (box) box->hide();
    if (hadFocus) view_->setFocus(Qt::OtherFocusReason);
}

int TListEdit::BoxIndex(const QObject* object) const {
    for (size_t i = 0; i < boxes_.size(); ++i)
        if (object && boxes_[i] == object) return static_cast<int>(i);
    return -1;
}

int TListEdit::ColumnUnderPointer() const {
    if (!view_) return -1;
    const QPoint pointer = view_->viewport()->mapFromGlobal(QCursor::pos());
    return view_->viewport()->rect().contains(pointer) ? view_->columnAt(pointer.x()) : -1;
}

void TListEdit::ListKeyDown(int& key) {
    if (key == VirtualKey::Enter) {
        key = 0;
        Open();
        return;
    }
    if (!IsOpen() || IsModifierKey(key)) return;
    CloseSaving();
    QTimer::singleShot(0, this, [this] { Open(); });
}

bool TListEdit::eventFilter(QObject* watched, QEvent* event) {
    if (view_ && watched == view_->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            CloseSaving();
            rememberedColumn_ = -1;
            break;
        case QEvent::MouseButtonDblClick:
            OpenAt(view_->columnAt(static_cast<QMouseEvent*>(event)->position().toPoint().x()));
            break;
        case QEvent::Resize:
            Place();
            break;
        default:
            break;
        }
        return false;
    }
    const int column = BoxIndex(watched);
    if (column < 0) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::ShortcutOverride && LeavesToWindow(*box, *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) return BoxKeyPress(box, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::KeyRelease) {
        // The box's keys stay in the box: the list would take them as its own.
        DeliverHere(box, event);
        return true;
    }
    return false;
}

bool TListEdit::BoxKeyPress(QLineEdit* box, QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CloseSaving();
        Open();
        return true;
    case Qt::Key_Escape:
        CloseDiscarding();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        CloseSaving();
        if (!view_) return true;
        QKeyEvent move(QEvent::KeyPress, key->key(), key->modifiers());
        QCoreApplication::sendEvent(view_, &move);
        Open();
        return true;
    }
    default:
        DeliverHere(box, key);
        return true;
    }
}
