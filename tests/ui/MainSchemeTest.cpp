// The main scheme driven through its real windows: start-up, dropped files, the file panel's
// buttons and list, the cursor-position choice, the About window and the close request.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QAbstractButton>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "FileDialogs.h"
#include "UiTestSupport.h"
#include "objlib/qt/Application.h"
#include "objlib/qt/QtText.h"
#include "runtime/THIGlobalVar.h"
#include "scheme/TClassChildForm_130C0D8.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassMainForm_12C49D4.h"

namespace {

// The tables panel's method points, as the main scheme numbers them.
enum TablesPoint : uint16_t { Section, Row, Loaded, CursorPosition, WriteFile, LoadTables };

// What reaches the tables panel, with what the user could see when each call arrived.
struct TablesSpy : Recorder {
    QComboBox* combo = nullptr;
    QWidget* mainWindow = nullptr;
    QString comboTextAtLoad;
    bool windowVisibleAtLoad = true;

    void doEvent(TData& d, uint16_t index) {
        if (index == LoadTables) {
            comboTextAtLoad = combo->currentText();
            windowVisibleAtLoad = mainWindow->isVisible();
        }
        Recorder::doEvent(d, index);
    }
};

class MainSchemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // As at program start: the start calls of the nested schemes wait for the start-up run.
        InitDone = false;
        scheme = std::make_unique<TClassMainForm_12C49D4>();
        tables.combo = FilePanel().CursorCombo.Control->As<QComboBox>();
        tables.mainWindow = MainWidget();
        THIEditMultiBase* tablesPanel = scheme->TablesBox.Inner;
        for (uint16_t i = 0; i < tablesPanel->WorkPoints.size(); ++i)
            tablesPanel->WorkPoints[i] = Point<&TablesSpy::doEvent>(tables, i);
        ActivateHooks();
        RunInitQueue();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(MainWidget()));
    }
    void TearDown() override {
        DeactivateHooks();
        scheme.reset();
        QDir::setCurrent(previousDir);
    }

    TClassChildPanelEx_12B76E4& FilePanel() {
        return *static_cast<TClassChildPanelEx_12B76E4*>(scheme->FilePanelBox.Inner->Scheme);
    }
    QWidget* MainWidget() { return scheme->MainForm.Control->Widget(); }
    QWindow* MainWindow() { return MainWidget()->windowHandle(); }
    QListWidget* FileList() { return FilePanel().FileList.Control->As<QListWidget>(); }
    QPoint CentreOf(const QWidget* w) { return w->mapTo(MainWidget(), w->rect().center()); }

    // A real click through the window: blocked while a modal window is open.
    void Click(THIButton& button) {
        QTest::mouseClick(MainWindow(), Qt::LeftButton, {}, CentreOf(button.Control->Widget()));
    }
    void DoubleClickItem(int row) {
        QListWidget* list = FileList();
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseDClick(MainWindow(), Qt::LeftButton, {}, list->viewport()->mapTo(MainWidget(), at));
    }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < FileList()->count(); ++i) names << FileList()->item(i)->text();
        return names;
    }

    // Creates the file (and its folder) in the temporary directory; returns its full path.
    QString MakeFile(const QString& relative, const QByteArray& content) {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    // Drags the files over the file panel's list and drops them on the main window.
    void DropFiles(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths) urls.append(QUrl::fromLocalFile(p));
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint pos = CentreOf(FileList());
        QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainWindow(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainWindow(), &drop);
    }
    // Drops weapons.ltx and a.b/items.ltx and forgets what start-up sent to the tables.
    QStringList DropTwoFiles() {
        const QStringList paths = {MakeFile("weapons.ltx", "[weapons]\r\nammo = 5 ; box\r\n"),
                                   MakeFile("a.b/items.ltx", "; nothing else\r\n")};
        DropFiles(paths);
        tables.calls.clear();
        return paths;
    }
    QByteArray ListFile() {
        QFile file(dir.filePath("filename.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    QString previousDir;
    TablesSpy tables;
    std::unique_ptr<TClassMainForm_12C49D4> scheme;
};

TEST_F(MainSchemeTest, StartUpSetsTheCursorChoiceThenLoadsTheTablesThenShowsTheWindow) {
    EXPECT_EQ(tables.Trace(), (std::vector<std::string>{"5:-"}));
    EXPECT_EQ(tables.comboTextAtLoad, QString::fromUtf8("в центре"));
    EXPECT_FALSE(tables.windowVisibleAtLoad);
    EXPECT_EQ(MainWidget()->windowTitle(), QString("Morvane 1.0 by Dovrin"));
    EXPECT_EQ(MainWidget()->size(), QSize(800, 600));
    EXPECT_FALSE(MainWidget()->windowIcon().isNull());
    EXPECT_EQ(scheme->AboutBox.Inner, nullptr);
}

TEST_F(MainSchemeTest, FilePanelIsTheLeftStripAndTheTablesFillTheRest) {
    auto* tablesPanel = static_cast<TClassChildPanelEx_1299360*>(scheme->TablesBox.Inner->Scheme);
    const QSize client = MainWidget()->size();
    EXPECT_EQ(FilePanel().PanelBox.Control->Widget()->geometry(), QRect(0, 0, 140, client.height()));
    EXPECT_EQ(tablesPanel->TablesPanel.Control->Widget()->geometry(),
              QRect(140, 0, client.width() - 140, client.height()));
}

TEST_F(MainSchemeTest, DroppedFilesAreListedOnceAfterTheLastWithoutTouchingTheTables) {
    std::vector<std::string> changes;
    QObject listening;  // disconnects the watchers below when the test ends
    QAbstractItemModel* model = FileList()->model();
    QObject::connect(model, &QAbstractItemModel::modelReset, &listening, [&] { changes.push_back("reset"); });
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &listening, [&] { changes.push_back("add"); });
    DropTwoFiles();
    EXPECT_EQ(changes, (std::vector<std::string>{"reset", "add", "add"}));
    EXPECT_EQ(Names(), QStringList({"weapons", "items"}));
    EXPECT_EQ(tables.Count(), 0u);
}

TEST_F(MainSchemeTest, DoubleClickStoresTheIndexAndOpensThatFileIntoTheTables) {
    const QStringList paths = DropTwoFiles();
    DoubleClickItem(0);
    EXPECT_EQ(ToInteger(*LookupGlobal("FileIndex")), 0);
    // The path first, then the section name before its header's row, then the other row.
    std::vector<uint16_t> order;
    for (const Recorder::Call& c : tables.calls) order.push_back(c.index);
    EXPECT_EQ(order, (std::vector<uint16_t>{Loaded, Section, Row, Row}));
    ASSERT_EQ(tables.Count(), 4u);
    EXPECT_EQ(ToQString(ToString(tables.calls[0].value).str()), paths[0]);
    EXPECT_EQ(ToString(tables.calls[1].value).str(), "weapons");

    tables.calls.clear();
    DoubleClickItem(1);
    EXPECT_EQ(ToInteger(*LookupGlobal("FileIndex")), 1);
    ASSERT_EQ(tables.Count(), 2u);
    EXPECT_EQ(ToQString(ToString(tables.calls[0].value).str()), paths[1]);
}

TEST_F(MainSchemeTest, EnterInTheFileListOpensTheSelectedFileAsADoubleClickDoes) {
    const QStringList paths = DropTwoFiles();
    FileList()->setFocus();
    QTest::keyClick(MainWindow(), Qt::Key_Down);
    QTest::keyClick(MainWindow(), Qt::Key_Down);
    ASSERT_EQ(FileList()->currentRow(), 1);
    tables.calls.clear();
    QTest::keyClick(MainWindow(), Qt::Key_Return);
    EXPECT_EQ(ToInteger(*LookupGlobal("FileIndex")), 1);
    ASSERT_FALSE(tables.calls.empty());
    EXPECT_EQ(tables.calls[0].index, Loaded);
    EXPECT_EQ(ToQString(ToString(tables.calls[0].value).str()), paths[1]);
}

TEST_F(MainSchemeTest, AtItsMinimumSizeTheWindowCutsOffNoControl) {
    QWidget* window = MainWidget();
    window->resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), window->minimumSize());
    EXPECT_GT(window->minimumWidth(), 140);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                               qobject_cast<QComboBox*>(control) || qobject_cast<QLabel*>(control) ||
                               qobject_cast<QAbstractItemView*>(control);
        if (!isControl || !control->isVisibleTo(window) || control->parentWidget()->inherits("QAbstractScrollArea") ||
            qobject_cast<QAbstractItemView*>(control->parentWidget()->parentWidget()))
            continue;
        SCOPED_TRACE(control->metaObject()->className() + std::string(" ") + control->objectName().toStdString());
        QWidget* parent = control->parentWidget();
        const QRect inParent = control->geometry();
        EXPECT_TRUE(parent->rect().contains(inParent)) << inParent.x() << "," << inParent.y() << " " << inParent.width()
                                                       << "x" << inParent.height();
        const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(window->rect().contains(inWindow));
        if (qobject_cast<QAbstractItemView*>(control)) {
            EXPECT_GE(control->width(), 100);
        }
    }
}

TEST_F(MainSchemeTest, ListButtonsSaveLoadRemoveAndClearTheListFile) {
    const QStringList paths = DropTwoFiles();
    const QByteArray saved = (paths[0] + "\r\n" + paths[1] + "\r\n").toUtf8();
    THIButton& save = FilePanel().SaveListButton;
    THIButton& load = FilePanel().LoadListButton;
    THIButton& remove = FilePanel().RemoveButton;
    THIButton& clear = FilePanel().ClearButton;

    Click(save);
    EXPECT_EQ(ListFile(), saved);
    Click(clear);
    EXPECT_EQ(Names(), QStringList());
    EXPECT_EQ(ListFile(), saved);
    Click(load);
    EXPECT_EQ(Names(), QStringList({"weapons", "items"}));
    // Remove acts on the entry last opened by a double click, not on the highlighted one.
    DoubleClickItem(0);
    FileList()->setCurrentRow(1);
    Click(remove);
    EXPECT_EQ(Names(), QStringList({"items"}));
    Click(save);
    EXPECT_EQ(ListFile(), (paths[1] + "\r\n").toUtf8());
    QFile::remove(dir.filePath("filename.ini"));
    Click(load);
    EXPECT_EQ(Names(), QStringList());
}

TEST_F(MainSchemeTest, CursorChoiceReachesTheTablesOnlyWhenTheUserPicks) {
    QComboBox* combo = tables.combo;
    struct Case {
        Qt::Key key;
        const char* shown;
        const char* sent;
    };
    const Case cases[] = {{Qt::Key_Down, "внизу", "3:3"}, {Qt::Key_Home, "стандарт", "3:0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        tables.calls.clear();
        QTest::keyClick(combo, c.key);
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(tables.Trace(), (std::vector<std::string>{c.sent}));
    }
}

TEST_F(MainSchemeTest, SaveFileAsksTheTablesToWriteAndSaveAsAsksForAPathFirst) {
    DropTwoFiles();
    DoubleClickItem(0);
    tables.calls.clear();
    FileDialogAnswerer cancelled;
    Click(FilePanel().SaveAsButton);
    EXPECT_TRUE(FilePanel().SaveAsButton.Control->Widget()->isEnabled());
    EXPECT_EQ(cancelled.seen.size(), 1u);
    EXPECT_EQ(tables.Count(), 0u);
    Click(FilePanel().SaveFileButton);
    EXPECT_EQ(tables.Trace(), (std::vector<std::string>{"4:-"}));
}

TEST_F(MainSchemeTest, AboutWindowIsBuiltOnTheFirstClickShownModallyAndReused) {
    DropTwoFiles();
    ASSERT_EQ(scheme->AboutBox.Inner, nullptr);
    QWidget* shown[2] = {nullptr, nullptr};
    for (QWidget*& seen : shown) {
        QTimer::singleShot(0, [&] {
            seen = QApplication::activeModalWidget();
            ASSERT_NE(seen, nullptr);
            Click(FilePanel().ClearButton);  // the main window takes no input meanwhile
            EXPECT_EQ(Names(), QStringList({"weapons", "items"}));
            seen->close();
        });
        Click(FilePanel().AboutButton);
        ASSERT_NE(shown[0], nullptr);
        EXPECT_FALSE(seen->isVisible());
    }
    EXPECT_EQ(shown[1], shown[0]);
    auto* about = static_cast<TClassChildForm_130C0D8*>(scheme->AboutBox.Inner->Scheme);
    EXPECT_EQ(shown[0], about->AboutForm.Control->Widget());
    EXPECT_EQ(shown[0]->windowTitle(), QString::fromUtf8("О программе"));
    EXPECT_FALSE(shown[0]->windowIcon().isNull());
    Click(FilePanel().ClearButton);
    EXPECT_EQ(Names(), QStringList());
}

TEST_F(MainSchemeTest, AboutTextIsTheResourceTextReadOnly) {
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    Click(FilePanel().AboutButton);
    auto* about = static_cast<TClassChildForm_130C0D8*>(scheme->AboutBox.Inner->Scheme);
    auto* memo = about->AboutText.Control->As<QPlainTextEdit>();
    EXPECT_TRUE(memo->isReadOnly());
    // Eleven lines, each ended by a line break: the caret can move to a twelfth, empty one.
    EXPECT_EQ(memo->document()->blockCount(), 12);
    EXPECT_TRUE(memo->document()->lastBlock().text().isEmpty());
    EXPECT_TRUE(memo->document()->firstBlock().text().contains("Morvane"));
    EXPECT_TRUE(memo->document()->firstBlock().text().contains("1.0"));
}

TEST_F(MainSchemeTest, TabAndShiftTabMoveTheFocusBetweenTheMainWindowsControls) {
    MainWidget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWidget()));
    FileList()->setFocus();
    QTest::keyClick(MainWindow(), Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    EXPECT_NE(next, FileList());
    EXPECT_EQ(next->window(), MainWidget());
    QTest::keyClick(MainWindow(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), FileList());
}

TEST_F(MainSchemeTest, AfterTheCloseRequestTheLoopEndsAndNothingTravels) {
    DropTwoFiles();
    QTimer::singleShot(0, [&] { MainWidget()->close(); });
    RunMessageLoop();
    EXPECT_FALSE(HooksActive());
    FilePanel().SaveListButton.Control->As<QPushButton>()->click();
    FilePanel().SaveFileButton.Control->As<QPushButton>()->click();
    EXPECT_EQ(ListFile(), QByteArray("<missing>"));
    EXPECT_EQ(tables.Count(), 0u);
}

}  // namespace
