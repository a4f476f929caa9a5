// The window reads the files as the game does: the panel of a section's effective parameters
// follows the selection, F12 and "Перейти к родителю" go to a header's parent or open an
// included file, overlay headers are listed in the contents, and rows with a problem are
// marked, counted and visited with F8. All over the hand-made harbour files: ships.ltx
// includes base.ltx and parts/engines.ltx, broken.ltx and lost.ltx hold problems, overlays.ltx
// the overlay headers.
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolTip>
#include <filesystem>
#include <fstream>
#include <functional>

#include "EditorWindow.h"
#include "MessageBoxes.h"
#include "components/window/EffectiveKeysView.h"
#include "components/window/GameModelKeeper.h"
#include "components/window/GameWindow.h"
#include "components/window/THILabel.h"
#include "objlib/Cp1251.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The row menu's items after the design's four and a separator.
constexpr int kGoToParentItem = 4;
constexpr int kPanelItem = 5;

class GameWindowTest : public EditorTest {
protected:
    void Prepare() override {
        std::filesystem::copy(MORVANE_REPO_FIXTURES_DIR "/harbour", dir.path().toStdString(),
                              std::filesystem::copy_options::recursive);
    }

    GameWindow& Game() { return scheme->Game; }
    QString PathOf(const char* name) { return dir.filePath(name); }
    std::string OpenPath() { return scheme->Keeper.OpenPath().str(); }
    // Opens the file with a double click on its name, dropped first unless it is listed.
    void Open(const char* name) {
        const QString shown = QFileInfo(name).completeBaseName();
        if (FileList()->findItems(shown, Qt::MatchExactly).isEmpty()) Drop({PathOf(name)});
        DoubleClickName(FileList()->row(FileList()->findItems(shown, Qt::MatchExactly).value(0)));
        ASSERT_EQ(OpenPath(), PathOf(name).toStdString());
    }
    // A key to the main window, which menus and message boxes may have left inactive.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(Main());
        ASSERT_EQ(QApplication::activeWindow(), Main());
        QTest::keyClick(Window(), key, modifiers);
        Settle();
    }
    // The main-table row whose parameter cell reads `name`, or -1.
    int RowNamed(const std::string& name) {
        for (int row = 0; row < Rows(); ++row)
            if (Cell(MainView(), row, 1) == name) return row;
        return -1;
    }
    std::vector<std::string> ListedNames() {
        std::vector<std::string> names;
        for (int i = 0; i < FileList()->count(); ++i) names.push_back(FromQt(FileList()->item(i)->text()));
        return names;
    }
    QTableView* PanelList() { return Game().View().List(); }
    // The panel's lines as "key=value<section" plus " own" for the section's own keys.
    std::vector<std::string> PanelLines() {
        std::vector<std::string> lines;
        QAbstractItemModel* model = PanelList()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            auto text = [&](int column) { return FromQt(model->index(row, column).data().toString()); };
            const bool inherited = model->index(row, 0).data(Qt::ForegroundRole).isValid();
            lines.push_back(text(0) + "=" + text(1) + "<" + text(2) + (inherited ? "" : " own"));
        }
        return lines;
    }
    // Runs `pick` on the menu that a jump offers, once it shows (a row menu may show first).
    void WhenChoiceShown(std::function<void(QMenu*)> pick) {
        auto* poll = new QTimer(Main());
        QObject::connect(poll, &QTimer::timeout, [this, poll, pick] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || menu->parentWidget() != MainView()) return;
            poll->deleteLater();
            pick(menu);
        });
        poll->start(5);
    }
    QString PanelTitle() { return Game().View().Title()->text(); }
    QString ProblemCount() { return Game().ProblemCount().Control->As<QLabel>()->text(); }
    // The tooltip shown when the mouse rests on a cell of the main table ("" for none). A tip
    // fades out rather than going at once, so a tip put up before tells "none" apart.
    QString TooltipAt(int row, int column) {
        const QString none = "none";
        QWidget* viewport = MainView()->viewport();
        const QPoint at = MainView()->visualRect(MainView()->model()->index(row, column)).center();
        QToolTip::showText(viewport->mapToGlobal(at), none, viewport);
        QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &help);
        return QToolTip::text() == none ? QString() : QToolTip::text();
    }
    // The sign drawn in the row's first cell, told by its colour: "red", "yellow" or "".
    std::string SignOf(int row) {
        const QRect cell = MainView()->visualRect(MainView()->model()->index(row, 0));
        const QImage image = MainView()->viewport()->grab(cell).toImage();
        bool red = false, yellow = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red = red || (c.red() > 180 && c.green() < 90 && c.blue() < 90);
                yellow = yellow || (c.red() > 180 && c.green() > 150 && c.blue() < 90);
            }
        return red ? "red" : yellow ? "yellow" : "";
    }
};

TEST_F(GameWindowTest, ThePanelFollowsTheSelectionWithOwnAndInheritedKeysAndTheirSections) {
    Open("ships.ltx");
    const QRect tableAlone = MainView()->geometry();
    EXPECT_FALSE(Game().View().Shown());

    Press(Qt::Key_F4);
    ASSERT_TRUE(Game().View().Shown());
    EXPECT_LT(MainView()->geometry().height(), tableAlone.height());
    struct Case {
        const char* row;  // the parameter cell of the row to select
        const char* title;
        std::vector<std::string> lines;
    } cases[] = {
        {"speed", "Параметры секции «cutter»",
         {"mass=1000<hull_base", "crew=1<engine_small", "power=40<engine_small", "speed=12<cutter own"}},
        {"[boat]:hull_light", "Параметры секции «boat»", {"mass=700<boat own", "crew=4<hull_base", "sail=2<boat own"}},
        {"", "Строка не принадлежит секции", {}},  // the comment above the first header
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        SelectMain(RowNamed(c.row));
        EXPECT_EQ(PanelTitle(), Utf8(c.title));
        EXPECT_EQ(PanelLines(), c.lines);
    }
    SelectMain(RowNamed("speed"));
    EXPECT_EQ(PanelList()->model()->index(1, 0).data(Qt::ToolTipRole).toString(), Utf8("engines.ltx, строка 3"));

    MenuOnRow(RowNamed("speed"), kPanelItem);  // hides it again
    EXPECT_FALSE(Game().View().Shown());
    EXPECT_EQ(MainView()->geometry(), tableAlone);
}

// Notes, at each paint of the main table, how many rows it showed and which build of the game
// model there was.
class PaintWatch : public QObject {
public:
    PaintWatch(QTableView* view, const GameModelKeeper& models) : view_(view), models_(models) {
        view_->viewport()->installEventFilter(this);
    }
    ~PaintWatch() override { view_->viewport()->removeEventFilter(this); }
    struct Paint {
        int rows;
        uint64_t generation;
    };
    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) paints.push_back({view_->model()->rowCount(), models_.Generation()});
        return false;
    }

private:
    QTableView* view_;
    const GameModelKeeper& models_;
};

TEST_F(GameWindowTest, AnOpenedFileShowsItsRowsBeforeTheGameModelIsBuiltAndThenItsProblemsAndSections) {
    Open("ships.ltx");
    const uint64_t before = Game().Models().Generation();
    PaintWatch watch(MainView(), Game().Models());
    Open("broken.ltx");  // [dock] / length = 40 / length = 45 / [pier]:nowhere / [dock] / width = 8

    auto firstFull = std::find_if(watch.paints.begin(), watch.paints.end(), [](const auto& p) { return p.rows == 6; });
    ASSERT_NE(firstFull, watch.paints.end());
    EXPECT_EQ(firstFull->generation, before);  // painted first, built afterwards
    EXPECT_GT(Game().Models().Generation(), before);
    EXPECT_EQ(ProblemCount(), Utf8("Проблем в файле: 3"));
    EXPECT_EQ(TooltipAt(3, 0), Utf8("Родителя «nowhere» нет: игра остановится."));
    Press(Qt::Key_F4);
    SelectMain(RowNamed("width"));
    EXPECT_EQ(PanelTitle(), Utf8("Параметры секции «dock»"));
    EXPECT_EQ(PanelLines(), (std::vector<std::string>{"length=45<dock own", "width=8<dock own"}));
}

TEST_F(GameWindowTest, ThePanelShowsTheUnsavedRowsOfTheOpenFile) {
    Open("ships.ltx");
    Press(Qt::Key_F4);
    ASSERT_TRUE(Game().View().Shown());
    const int row = RowNamed("speed");
    // Types a value into the row editor's value box and closes it with `key`.
    auto edit = [&](Qt::Key key) {
        SelectMain(row);
        QTest::mouseDClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), row, 2));
        Settle();
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(box, nullptr);
        box->selectAll();
        QTest::keyClicks(box, "30");
        QTest::keyClick(box, key);
        Settle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // Enter opened it again
        Settle();
        SelectMain(row);
    };
    edit(Qt::Key_Escape);  // dropped
    EXPECT_EQ(PanelLines().back(), "speed=12<cutter own");
    edit(Qt::Key_Return);  // kept, not saved
    ASSERT_TRUE(Main()->isWindowModified());
    EXPECT_EQ(PanelLines().back(), "speed=30<cutter own");
}

TEST_F(GameWindowTest, F12AndTheMenuItemGoToTheParentOrTheIncludedFile) {
    MessageBoxAnswerer boxes;
    struct Case {
        const char* name;
        const char* open;      // the file opened first
        const char* row;       // the row to start from
        bool byMenu;           // the menu item rather than F12
        int choice;            // -1: no choice is offered, else the item to pick
        const char* landsIn;   // the file open afterwards
        const char* selected;  // the row selected there ("": none)
    } cases[] = {
        {"parent in the same file", "base.ltx", "[hull_light]:hull_base", false, -1, "base.ltx", "[hull_base]"},
        {"parent in an included file", "ships.ltx", "[boat]:hull_light", true, -1, "base.ltx", "[hull_light]:hull_base"},
        {"the second of two parents", "ships.ltx", "[cutter]:hull_base,engine_small", false, 1, "parts/engines.ltx",
         "[engine_small]"},
        {"the first of two parents", "ships.ltx", "[cutter]:hull_base,engine_small", true, 0, "base.ltx",
         "[hull_base]"},
        {"an include", "ships.ltx", "#include \"parts\\Engines.ltx\"", false, -1, "parts/engines.ltx", ""},
        {"a key row", "ships.ltx", "speed", false, -1, "ships.ltx", "speed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.open);
        const int start = RowNamed(c.row);
        ASSERT_GE(start, 0);
        SelectMain(start);
        bool offered = false;
        if (c.choice >= 0) {
            WhenChoiceShown([&](QMenu* menu) {
                offered = menu->actions().size() == 2;
                for (int i = 0; i <= c.choice; ++i) QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            });
        }
        if (c.byMenu)
            MenuOnRow(start, kGoToParentItem);
        else
            Press(Qt::Key_F12);
        EXPECT_EQ(offered, c.choice >= 0);
        EXPECT_EQ(OpenPath(), PathOf(c.landsIn).toStdString());
        EXPECT_EQ(SelectedRow(MainView()), *c.selected ? RowNamed(c.selected) : -1);
    }
    EXPECT_TRUE(boxes.texts.empty());
    // Each file the jumps opened is listed once, after the ones dropped.
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"base", "ships", "engines"}));
}

TEST_F(GameWindowTest, AJumpAsksAboutUnsavedChangesFirstAndAMissingTargetIsOnlyShown) {
    MessageBoxAnswerer boxes({Utf8("Отмена"), Utf8("Не сохранять")});
    Open("ships.ltx");
    MenuOnRow(0, 0);  // adds a comment row: unsaved
    const int boat = RowNamed("[boat]:hull_light");
    SelectMain(boat);
    Press(Qt::Key_F12);  // cancelled
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(OpenPath(), PathOf("ships.ltx").toStdString());
    EXPECT_EQ(SelectedRow(MainView()), boat);
    Press(Qt::Key_F12);  // the edit is dropped
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(OpenPath(), PathOf("base.ltx").toStdString());
    EXPECT_EQ(ReadAll(PathOf("ships.ltx")).count('\n'), 10);

    struct Case {
        const char* open;
        const char* row;
        const char* offered;
    } missing[] = {{"lost.ltx", "#include \"missing.ltx\"", "Файла «missing.ltx» нет"},
                   {"broken.ltx", "[pier]:nowhere", "nowhere (нет такой секции)"}};
    for (const Case& c : missing) {
        SCOPED_TRACE(c.row);
        Open(c.open);
        SelectMain(RowNamed(c.row));
        QString shown;
        bool enabled = true;
        WhenChoiceShown([&](QMenu* menu) {
            shown = menu->actions().value(0)->text();
            enabled = menu->actions().value(0)->isEnabled();
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        Press(Qt::Key_F12);
        EXPECT_EQ(shown, Utf8(c.offered));
        EXPECT_FALSE(enabled);
        EXPECT_EQ(OpenPath(), PathOf(c.open).toStdString());
    }
}

// A UTF-8 file open and the cp1251 file it includes: the panel, the jump's choices and the
// problem tooltips read every name in the encoding of its own file.
TEST_F(GameWindowTest, NamesFromEachFileAreReadInThatFilesEncoding) {
    std::string hull;
    ASSERT_TRUE(Utf8ToCp1251("[hull]\nмасса = тяжёлый\n", hull));  // names compare as bytes: ASCII across files
    std::ofstream(PathOf("hull.ltx").toStdString(), std::ios::binary) << hull;
    std::ofstream(PathOf("boat.ltx").toStdString(), std::ios::binary)
        << "#include \"hull.ltx\"\n[лодка]:hull, нет_такой\nпарус = белый\n";
    MessageBoxAnswerer boxes;
    Open("boat.ltx");

    Press(Qt::Key_F4);
    SelectMain(2);  // "парус = белый"
    EXPECT_EQ(PanelTitle(), Utf8("Параметры секции «лодка»"));
    std::string lines;  // as PanelLines gives them, in cp1251
    ASSERT_TRUE(Utf8ToCp1251("масса=тяжёлый<hull|парус=белый<лодка own", lines));
    EXPECT_EQ(PanelLines(), (std::vector<std::string>{lines.substr(0, lines.find('|')), lines.substr(lines.find('|') + 1)}));

    EXPECT_EQ(TooltipAt(1, 0), Utf8("Родителя «нет_такой» нет: игра остановится."));

    QStringList choices;
    WhenChoiceShown([&](QMenu* menu) {
        for (QAction* action : menu->actions()) choices << action->text();
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    SelectMain(1);
    Press(Qt::Key_F12);
    EXPECT_EQ(choices, (QStringList{Utf8("hull — hull.ltx"), Utf8("нет_такой (нет такой секции)")}));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(GameWindowTest, OverlayHeadersAreListedInTheContentsMarkedByTheirOperator) {
    Open("overlays.ltx");
    std::vector<std::string> entries;
    for (int i = 0; i < ContentsView()->model()->rowCount(); ++i)
        entries.push_back(Cell(ContentsView(), i, 0) + "+" + Cell(ContentsView(), i, 1));
    EXPECT_EQ(entries, (std::vector<std::string>{"0+raft", "2+!raft", "4+@yacht", "6+!!raft"}));

    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), 2, 1));
    Settle();
    EXPECT_EQ(SelectedRow(MainView()), 4);
    SelectMain(5);  // the follower highlights the overlay header's entry
    EXPECT_EQ(SelectedRow(ContentsView()), 2);
}

TEST_F(GameWindowTest, RowsWithAProblemAreMarkedCountedAndVisitedWithF8) {
    Open("ships.ltx");
    EXPECT_EQ(ProblemCount(), Utf8("Проблем нет"));
    Open("broken.ltx");  // [dock] / length = 40 / length = 45 / [pier]:nowhere / [dock] / width = 8
    EXPECT_EQ(ProblemCount(), Utf8("Проблем в файле: 3"));
    struct Case {
        int row;
        const char* sign;
        const char* tooltip;  // "": no mark
    } rows[] = {
        {0, "", ""},
        {1, "", ""},
        {2, "yellow", "Параметр «length» уже задан в этой секции (строка 2): действует последний."},
        {3, "red", "Родителя «nowhere» нет: игра остановится."},
        {4, "red", "Секция «dock» задана второй раз (первая: строка 1): игра остановится."},
        {5, "", ""},
    };
    SelectMain(5);
    SelectMain(-1);  // no row is painted as selected
    for (const Case& c : rows) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(SignOf(c.row), c.sign);
        EXPECT_EQ(TooltipAt(c.row, 0), Utf8(c.tooltip));
        EXPECT_EQ(TooltipAt(c.row, 1), QString());  // the mark is in the first column only
    }

    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        Press(Qt::Key_F8);
        visited.push_back(SelectedRow(MainView()));
    }
    Press(Qt::Key_F8, Qt::ShiftModifier);
    visited.push_back(SelectedRow(MainView()));
    Click(Game().ProblemCount());
    visited.push_back(SelectedRow(MainView()));
    EXPECT_EQ(visited, (std::vector<int>{2, 3, 4, 2, 4, 2}));

    MenuOnRow(2, 3);  // deletes "length = 45": one problem less, the others move up
    EXPECT_EQ(ProblemCount(), Utf8("Проблем в файле: 2"));
    EXPECT_EQ(TooltipAt(2, 0), Utf8("Родителя «nowhere» нет: игра остановится."));
    EXPECT_EQ(TooltipAt(4, 0), QString());

    MessageBoxAnswerer boxes({Utf8("Не сохранять")});  // the deleted row
    Open("lost.ltx");  // ; comment / #include "missing.ltx" / [anchor] / mass = 80
    EXPECT_EQ(ProblemCount(), Utf8("Проблем в файле: 1"));
    EXPECT_EQ(SignOf(1), "red");
    EXPECT_EQ(TooltipAt(1, 0), Utf8("Подключаемого файла «missing.ltx» нет: игра остановится."));
}

}  // namespace
