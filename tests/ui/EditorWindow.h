// The whole editor in a test: its main scheme started as the program starts it, in a fresh
// current folder, with the means to use it as a person does: drop files, double-click a name,
// pick from the main table's menu, click buttons and cells.
#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "objlib/qt/QtText.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassMainForm_12C49D4.h"

// The editor started in a fresh current directory.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        ASSERT_NO_FATAL_FAILURE(Prepare());
        Start();
    }
    void TearDown() override {
        DeactivateHooks();
        scheme.reset();
        if (!previousDir.isEmpty()) QDir::setCurrent(previousDir);
    }
    // Runs in the current directory before the editor starts.
    virtual void Prepare() {}

    void Start() {
        InitDone = false;
        scheme = std::make_unique<TClassMainForm_12C49D4>();
        ActivateHooks();
        RunInitQueue();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    }
    static std::string FromQt(const QString& text) {
        std::string out;
        EXPECT_TRUE(FromQString(text, out));
        return out;
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
    QPoint At(const QWidget* w, QPoint local) { return w->mapTo(Main(), local); }
    QPoint CellAt(QTableView* view, int row, int column) {
        QRect cell = view->visualRect(view->model()->index(row, column)) & view->viewport()->rect();
        return At(view->viewport(), cell.center());
    }
    // Lets posted work run, and the work it posts in turn (a menu's choice, then the rows).
    static void Settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    QListWidget* FileList() { return FilePanel().FileList.Control->As<QListWidget>(); }
    // Writes a file into the test's folder; answers its full path.
    QString MakeFile(const QString& name, const QByteArray& content) {
        const QString file = dir.filePath(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        return file;
    }
    static QByteArray ReadAll(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
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

    int Rows() { return MainView()->model()->rowCount(); }
    std::string Cell(QTableView* view, int row, int column) {
        return FromQt(view->model()->index(row, column).data().toString());
    }
    int SelectedRow(QTableView* view) {
        QModelIndexList rows = view->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows[0].row() : -1;
    }
    // Shows the main table's menu with a right click on `row` and picks item `item` (0-based).
    void MenuOnRow(int row, int item) {
        const QPoint at = CellAt(MainView(), row, 1);
        QTest::mousePress(Window(), Qt::RightButton, {}, at);
        PickFromMenu(item);  // the menu opens on the release
        QTest::mouseRelease(Window(), Qt::RightButton, {}, at);
        Settle();
    }
    // Picks item `item` (0-based) of the menu that will be shown next, inside its event loop.
    static void PickFromMenu(int item) {
        QTimer::singleShot(0, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (int i = 0; i <= item; ++i) QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
    }
    void SelectMain(int row) {
        TData d;
        SetInteger(d, row);
        Tables().MainTable.doSelect(d, 0);
        Settle();
    }

    QTemporaryDir dir;
    QString previousDir;
    std::unique_ptr<TClassMainForm_12C49D4> scheme;
};

// The editor with two small files listed: a.ltx (two sections) first, b.ltx second.
class TwoFilesTest : public EditorTest {
protected:
    static inline const QByteArray kFirst = "[first]\r\nkey = 1 ; one\r\n[second]\r\nother = 2\r\n";
    static inline const QByteArray kOther = "; b\r\n[b]\r\nx = 1\r\n";

    void SetUp() override {
        EditorTest::SetUp();
        first = MakeFile("a.ltx", kFirst);
        other = MakeFile("b.ltx", kOther);
        Drop({first, other});
    }
    bool Modified() { return Main()->isWindowModified(); }
    QString Title() { return Main()->windowTitle(); }
    // Presses the keys in the main window, active again as after a menu or a message box.
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        Main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
        QTest::keyClick(Window(), key, modifiers);
        Settle();
    }

    QString first, other;
};

