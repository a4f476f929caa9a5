// The whole editor in a test: its main scheme started as the program starts it, in a fresh
// current folder, with the means to use it as a person does: drop files, double-click a name,
// pick from the main table's menu, click buttons and cells.
#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "UiTestSupport.h"
#include "objlib/qt/QtText.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassMainForm_12C49D4.h"

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        InitDone = false;
        scheme = std::make_unique<TClassMainForm_12C49D4>();
        ActivateHooks();
        RunInitQueue();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    }
    void TearDown() override {
        DeactivateHooks();
        scheme.reset();
        QDir::setCurrent(previousDir);
    }

    TClassChildPanelEx_12B76E4& FilePanel() {
        return *static_cast<TClassChildPanelEx_12B76E4*>(scheme->FilePanelBox.Inner->Scheme);
    }
    TClassChildPanelEx_1299360& Tables() {
        return *static_cast<TClassChildPanelEx_1299360*>(scheme->TablesBox.Inner->Scheme);
    }
    QWidget* Main() { return scheme->MainForm.Control->Widget(); }
    QWindow* Window() { return Main()->windowHandle(); }
    QTableView* MainView() { return Tables().MainTable.Control->As<QTableView>(); }
    QTableView* ContentsView() { return Tables().ContentsTable.Control->As<QTableView>(); }
    QListWidget* FileList() { return FilePanel().FileList.Control->As<QListWidget>(); }
    QPoint At(const QWidget* w, QPoint local) { return w->mapTo(Main(), local); }
    QPoint CellAt(QTableView* view, int row, int column) {
        QRect cell = view->visualRect(view->model()->index(row, column)) & view->viewport()->rect();
        return At(view->viewport(), cell.center());
    }
    int Rows() { return MainView()->model()->rowCount(); }
    QString Cell(QTableView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

    // Lets posted work run, and the work it posts in turn (a menu's choice, then the rows).
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    // Writes a file into the test's folder; answers its full path.
    QString MakeFile(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Drops the files on the file list, as from a file manager.
    void Drop(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths) urls.append(QUrl::fromLocalFile(p));
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint over = At(FileList(), FileList()->rect().center());
        QDragEnterEvent enter(over, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Window(), &enter);
        QDropEvent drop(over, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Window(), &drop);
    }
    void DoubleClickName(int row) {
        QListWidget* list = FileList();
        QTest::mouseDClick(Window(), Qt::LeftButton, {}, At(list->viewport(), list->visualItemRect(list->item(row)).center()));
        Settle();
    }
    void Click(THIWin& control) {
        QWidget* w = control.Control->Widget();
        QTest::mouseClick(Window(), Qt::LeftButton, {}, At(w, w->rect().center()));
        Settle();
    }
    // Shows the main table's menu with a right click on `row` and picks item `item` (0-based:
    // add comment, add section, add parameter, delete line).
    void MenuOnRow(int row, int item) {
        const QPoint at = CellAt(MainView(), row, 1);
        QTest::mousePress(Window(), Qt::RightButton, {}, at);
        QTimer::singleShot(0, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (int i = 0; i <= item; ++i) QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::mouseRelease(Window(), Qt::RightButton, {}, at);  // the menu opens on the release
        Settle();
    }

    QTemporaryDir dir;
    QString previousDir;
    std::unique_ptr<TClassMainForm_12C49D4> scheme;
};
