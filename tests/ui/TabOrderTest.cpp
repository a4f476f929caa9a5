// TAB and Shift+TAB go through the main window's controls in the order they appear on screen:
// the file panel on the left from top to bottom, then the search strip row by row, the two
// tables side by side, the panel of a section's parameters while it is shown, and the comment
// box at the bottom. The problem count is one of them while there are problems to go to.
#include <QLabel>
#include <filesystem>

#include "EditorWindow.h"
#include "components/window/EffectiveKeysView.h"
#include "components/window/GameWindow.h"
#include "components/window/THILabel.h"
#include "scheme/TClassChildPanel_1B60E80.h"

namespace {

class TabOrderTest : public EditorTest {
protected:
    void Prepare() override {
        std::filesystem::copy(MORVANE_REPO_FIXTURES_DIR "/harbour", dir.path().toStdString(),
                              std::filesystem::copy_options::recursive);
    }
    void SetUp() override {
        EditorTest::SetUp();
        Drop({dir.filePath("broken.ltx"), dir.filePath("ships.ltx")});
    }
    // A key to the main window, active again as after a menu.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(Main());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
        QTest::keyClick(Window(), key, modifiers);
        Settle();
    }
    // The controls TAB (or Shift+TAB) visits from `start` until it is back there.
    std::vector<QWidget*> Round(QWidget* start, Qt::KeyboardModifiers modifiers) {
        start->setFocus(Qt::OtherFocusReason);
        std::vector<QWidget*> visited;
        do {
            visited.push_back(QApplication::focusWidget());
            Press(Qt::Key_Tab, modifiers);
        } while (QApplication::focusWidget() != start && visited.size() < 50);
        return visited;
    }
    // The main window's controls as they appear on screen; the parameter panel's list while it
    // is shown, the problem count while there are problems.
    std::vector<QWidget*> OnScreen(bool panel, bool problems) {
        auto& file = FilePanel();
        auto& search = *static_cast<TClassChildPanel_1B60E80*>(Tables().SearchPanel.Inner->Scheme);
        std::vector<THIWin*> controls = {&file.FileList,   &file.RemoveButton,   &file.ClearButton,
                                         &file.SaveListButton, &file.LoadListButton, &file.CursorCombo,
                                         &file.KeepLinesBox};
        if (problems) controls.push_back(&scheme->Game.ProblemCount());
        for (THIWin* control : std::initializer_list<THIWin*>{
                 &file.AboutButton, &file.SaveAsButton, &file.SaveFileButton, &search.QuickSearchBox,
                 &search.WholeLineBox, &search.UpRadio, &search.SearchBox, &search.SearchButton,
                 &search.DownRadio, &Tables().MainTable, &Tables().ContentsTable})
            controls.push_back(control);
        std::vector<QWidget*> widgets;
        for (THIWin* control : controls) widgets.push_back(control->Control->Widget());
        if (panel) widgets.push_back(scheme->Game.View().List());
        widgets.push_back(Tables().CommentBox.Control->Widget());
        return widgets;
    }
    QLabel* ProblemCount() { return scheme->Game.ProblemCount().Control->As<QLabel>(); }
};

// Names a list of controls by their kind and place in the window, for a failure to show.
std::string Described(const std::vector<QWidget*>& widgets) {
    std::string out;
    for (const QWidget* w : widgets) {
        const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
        out += std::string(w->metaObject()->className()) + "@" + std::to_string(at.x()) + "," + std::to_string(at.y()) + " ";
    }
    return out;
}

TEST_F(TabOrderTest, TabGoesThroughTheControlsAsTheyAppearOnScreenAndShiftTabBack) {
    struct Case {
        const char* name;
        int file;  // in the list: 0 broken.ltx (three problems), 1 ships.ltx (none)
        bool panel;
    };
    const Case cases[] = {
        {"problems, panel shown", 0, true},
        {"problems, panel hidden", 0, false},
        {"no problems, panel hidden", 1, false},
        {"no problems, panel shown", 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DoubleClickName(c.file);
        SelectMain(0);
        if (scheme->Game.View().Shown() != c.panel) Press(Qt::Key_F4);
        ASSERT_EQ(scheme->Game.View().Shown(), c.panel);

        std::vector<QWidget*> expected = OnScreen(c.panel, c.file == 0);
        EXPECT_EQ(Described(Round(FileList(), Qt::NoModifier)), Described(expected));
        std::reverse(expected.begin() + 1, expected.end());  // back from the list: the comment box first
        EXPECT_EQ(Described(Round(FileList(), Qt::ShiftModifier)), Described(expected));
    }
}

TEST_F(TabOrderTest, OnTheProblemCountEnterAndSpaceGoToTheNextProblemAsAClickDoes) {
    DoubleClickName(0);  // broken.ltx: problems on rows 2, 3 and 4
    SelectMain(0);
    ProblemCount()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), ProblemCount());
    EXPECT_TRUE(ProblemCount()->font().underline());  // where the focus is shows
    for (auto [key, row] : {std::pair{Qt::Key_Return, 2}, {Qt::Key_Space, 3}, {Qt::Key_Enter, 4}, {Qt::Key_Space, 2}}) {
        Press(key);
        EXPECT_EQ(SelectedRow(MainView()), row);
        EXPECT_EQ(QApplication::focusWidget(), ProblemCount());
    }
    Press(Qt::Key_Tab);
    EXPECT_FALSE(ProblemCount()->font().underline());
}

}  // namespace
