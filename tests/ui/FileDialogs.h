// Answers the file dialogs the program opens while a test runs, through the dialog's own
// widgets: a dialog left open would block the test in its modal loop.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

// While it lives, every file dialog that opens is recorded, then given the next of the given
// file names in its name box and accepted with its accept button; with no name left, or an
// empty one, it is cancelled with its cancel button.
class FileDialogAnswerer {
public:
    // What a dialog showed when it opened.
    struct Seen {
        QString title;
        QString folder;
        QString name;
        QStringList filters;
        QString filter;
        QStringList buttons;
    };

    explicit FileDialogAnswerer(std::vector<QString> names = {}) : names_(names.begin(), names.end()) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenDialog(); });
        timer_.start(5);
    }

    std::vector<Seen> seen;
    std::function<void(QFileDialog&)> onShown;  // called with every dialog, listed, before it is answered

private:
    void AnswerOpenDialog() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (busy_ || !dialog || !dialog->isVisible()) return;
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
        auto* files = dialog->findChild<QAbstractItemView*>("listView");
        if (!name || !box || !files) {
            ADD_FAILURE() << "not Qt's own file dialog";
            dialog->reject();
            return;
        }
        Seen shown{dialog->windowTitle(), dialog->directory().absolutePath(), name->text(), dialog->nameFilters(),
                   dialog->selectedNameFilter(), {}};
        for (QAbstractButton* button : box->buttons()) shown.buttons << button->text();
        seen.push_back(shown);
        // As a person sees it: the folder listed (in the background) with the open file chosen,
        // and the dialog active with the focus in its name box, where typing a name replaces the
        // chosen file. Offscreen, a modal dialog is not made the active window by itself.
        busy_ = true;
        const bool listed = QTest::qWaitFor([files] { return files->selectionModel()->hasSelection(); }, 2000);
        QApplication::setActiveWindow(dialog);
        const bool active = QTest::qWaitForWindowActive(dialog);
        busy_ = false;
        EXPECT_TRUE(listed && active);
        if (onShown) onShown(*dialog);
        const QString next = names_.empty() ? QString() : names_.front();
        if (!names_.empty()) names_.pop_front();
        const bool accept = !next.isEmpty();
        if (accept) {
            QTest::mouseClick(name, Qt::LeftButton);
            name->selectAll();
            for (QChar c : next)  // one by one: keyClicks cannot type characters beyond Latin-1
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QPushButton* button = box->button(accept ? QDialogButtonBox::Save : QDialogButtonBox::Cancel);
        if (!button) {
            ADD_FAILURE() << "no save or cancel button";
            dialog->reject();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::deque<QString> names_;
    QTimer timer_;
    bool busy_ = false;
};
