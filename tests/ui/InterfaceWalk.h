// Every text a window shows, gathered from its widgets as a person would read them: captions,
// tooltips (a cell's too), menu and list items, column captions, window titles, message texts,
// and the data (rows, typed text, file names) kept apart from the interface's own texts.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <vector>

// One text on screen: the widget it is on (a path of class names and places among siblings,
// the same in every language), what kind of text it is, and the text.
struct ShownText {
    QString where;
    bool data;  // rows, typed text, file names: the user's, never translated
    QString text;

    bool operator==(const ShownText&) const = default;
};

inline bool HasCyrillic(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

class InterfaceWalk {
public:
    // Data that the interface's own texts quote (file names and paths): each is shown as "<file>"
    // in them, longest first.
    void QuoteAsData(const QStringList& names) {
        quoted_ = names;
        std::stable_sort(quoted_.begin(), quoted_.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    }

    // Gathers the texts of `root` and of every widget inside it, `name` leading their places.
    void Walk(QWidget* root, const QString& name) { Widget(root, name); }

    std::vector<ShownText> texts;

private:
    void AddOwn(const QString& where, QString text) {
        if (text.isEmpty()) return;
        for (const QString& name : quoted_) text.replace(name, QStringLiteral("<file>"));
        texts.push_back({where, false, text});
    }
    void AddData(const QString& where, const QString& text) {
        if (!text.isEmpty()) texts.push_back({where, true, text});
    }

    void Widget(QWidget* w, const QString& where) {
        // A tooltip on screen: it shows the tooltip of its widget, gathered there, and comes and
        // goes with time.
        if (w->inherits("QTipLabel")) return;
        if (w->isWindow()) AddOwn(where + " title", w->windowTitle());
        AddOwn(where + " tooltip", w->toolTip());
        AddOwn(where + " status tip", w->statusTip());
        AddOwn(where + " what's this", w->whatsThis());
        for (QAction* action : w->actions()) {
            if (action->isSeparator()) continue;
            AddOwn(where + " action", action->text());
            if (action->toolTip() != QString(action->text()).remove('&'))
                AddOwn(where + " action tooltip", action->toolTip());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) AddOwn(where + " caption", button->text());
        if (auto* label = qobject_cast<QLabel*>(w)) AddOwn(where + " caption", label->text());
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            AddData(where + " text", box->text());
            AddOwn(where + " placeholder", box->placeholderText());
        }
        if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) AddOwn(where + " text", memo->toPlainText());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) AddOwn(where + " item", combo->itemText(i));
            return;  // its list and edit field show the same items
        }
        if (qobject_cast<QHeaderView*>(w)) return;  // its captions are gathered with its view
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) Items(view, where);

        int place = 0;
        for (QObject* child : w->children())
            if (auto* inner = qobject_cast<QWidget*>(child))
                Widget(inner, where + "/" + inner->metaObject()->className() + "#" + QString::number(place++));
    }

    // A list's items are data (file names); a table's cells are data, its column captions not.
    // The views of a file dialog list the file system, names, sizes and dates that change from
    // run to run: only their column captions are gathered.
    void Items(QAbstractItemView* view, const QString& where) {
        const QAbstractItemModel* model = view->model();
        if (!model) return;
        if (!qobject_cast<QListView*>(view))
            for (int column = 0; column < model->columnCount(); ++column)
                AddOwn(where + " column", model->headerData(column, Qt::Horizontal).toString());
        if (view->window()->inherits("QFileDialog")) return;
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column) {
                AddData(where + " cell", model->index(row, column).data().toString());
                CellTooltip(view, model->index(row, column), where);
            }
    }

    // The tooltip shown while the mouse rests on a cell in view: data when it repeats the cell's
    // text (a cell cut off by its column), otherwise the interface's (what is wrong with a row,
    // where a value comes from, the encoding of a listed file).
    void CellTooltip(QAbstractItemView* view, const QModelIndex& index, const QString& where) {
        QWidget* viewport = view->viewport();
        const QRect cell = view->visualRect(index) & viewport->rect();
        if (!view->isVisible() || cell.isEmpty()) return;
        // A tip fades out rather than going at once: one put up before tells "none" apart.
        const QString none = QStringLiteral("<none>");
        const QPoint at = cell.center();
        QToolTip::showText(viewport->mapToGlobal(at), none, viewport);
        QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &help);
        const QString tip = QToolTip::text();
        QToolTip::hideText();
        if (tip == none) return;
        if (tip == index.data().toString())
            AddData(where + " cell tooltip", tip);
        else
            AddOwn(where + " cell tooltip", tip);
    }

    QStringList quoted_;
};
