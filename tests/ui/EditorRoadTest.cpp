// The whole road of a file with #include lines, parents and comments through the editor's
// windows: drop it, double-click it, see its rows and sections, jump by section, follow the
// selection, read comments, add and delete rows from the menu, edit in place and save. It runs
// over the repository's fixture and, where it lies beside the checkout, over a real file.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

#include "EditorWindow.h"
#include "objlib/qt/QtText.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassMainForm_12C49D4.h"
#include "tests/FixtureFiles.h"
#include "tools/LtxDocument.h"

namespace {

// The editor started with a copy of the file in its current directory, and that file as the
// tool reads it: what the tables must show.
class EditorRoadTest : public EditorTest, public ::testing::WithParamInterface<FixtureFile> {
protected:
    void SetUp() override {
        if (GetParam().Absent()) GTEST_SKIP() << GetParam().AbsenceNote();
        EditorTest::SetUp();
    }
    void Prepare() override {
        path = dir.filePath(QString::fromStdString(GetParam().name));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(GetParam().Path()), path));
        ActivateHooks();
        expected.Open(Bytes(FromQt(path)));
        DeactivateHooks();
    }
    // Drops the file on the window and double-clicks its name, as a user opens it.
    void OpenByDoubleClick() {
        Drop({path});
        ASSERT_EQ(FileList()->count(), 1);
        DoubleClickName(0);
    }

    int RowsPerPage() { return MainView()->viewport()->height() / MainView()->rowHeight(0); }
    // The first main-table row of the given kind.
    int FirstOfKind(const char* kind) {
        for (int r = 0; r < expected.MainRows.Count(); ++r)
            if (expected.MainRows.Cell(r, 0) == kind) return r;
        return -1;
    }

    QString path;
    LtxDocument expected;
};

TEST_P(EditorRoadTest, OpeningShowsEveryRowColouredByKindAndEverySection) {
    OpenByDoubleClick();
    ASSERT_EQ(Rows(), expected.MainRows.Count());
    for (int r : {0, Rows() / 2, Rows() - 1}) {
        SCOPED_TRACE(r);
        for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(MainView(), r, c), expected.MainRows.Cell(r, c).str());
    }
    struct Colour {
        const char* kind;
        QColor background;  // invalid: the table's own
    } colours[] = {{"sec", QColor(239, 237, 254)}, {"com", QColor(254, 254, 235)}, {"nor", QColor(241, 255, 236)},
                   {"key", QColor()}};
    for (const Colour& c : colours) {
        SCOPED_TRACE(c.kind);
        const int row = FirstOfKind(c.kind);
        ASSERT_GE(row, 0);
        QVariant background = MainView()->model()->index(row, 1).data(Qt::BackgroundRole);
        if (c.background.isValid())
            EXPECT_EQ(background.value<QBrush>().color(), c.background);
        else
            EXPECT_NE(background.value<QBrush>().color(), QColor(239, 237, 254));
    }
    ASSERT_EQ(ContentsView()->model()->rowCount(), expected.ContentsRows.Count());
    EXPECT_EQ(Cell(ContentsView(), 0, 0) + "+" + Cell(ContentsView(), 0, 1), expected.ContentsRows.RowString(0).str());
}

TEST_P(EditorRoadTest, ChoosingASectionPlacesItsHeaderByTheCursorPosition) {
    OpenByDoubleClick();
    QComboBox* combo = FilePanel().CursorCombo.Control->As<QComboBox>();
    const int entry = 20;
    const int header = std::stoi(Cell(ContentsView(), entry, 0));
    const int perPage = RowsPerPage();
    struct Case {
        Qt::Key pick;  // from "в центре"
        const char* name;
        std::function<void(int top)> check;
    } cases[] = {
        {Qt::Key_Up, "top", [&](int top) { EXPECT_EQ(top, header); }},
        {Qt::Key_Down, "centre", [&](int top) { EXPECT_EQ(top, header + perPage / 2 - perPage); }},
        {Qt::Key_Down, "bottom", [&](int top) { EXPECT_EQ(top, header - perPage + 1); }},
        {Qt::Key_Home, "standard", [&](int top) { EXPECT_TRUE(header >= top && header < top + perPage); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTest::keyClick(combo, c.pick);
        MainView()->scrollToTop();
        ContentsView()->scrollToTop();
        QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), entry, 0));
        Settle();
        EXPECT_EQ(SelectedRow(MainView()), header);
        c.check(MainView()->rowAt(0));
        QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), 0, 0));  // away, for the next case
        Settle();
    }
}

TEST_P(EditorRoadTest, ChoosingTheHighlightedSectionJumpsBackToItsHeader) {
    OpenByDoubleClick();
    const int header = std::stoi(Cell(ContentsView(), 0, 0));
    SelectMain(header + 3);  // the follower highlights the first section
    ASSERT_EQ(SelectedRow(ContentsView()), 0);
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(ContentsView(), 0, 1));
    Settle();
    EXPECT_EQ(SelectedRow(MainView()), header);
}

TEST_P(EditorRoadTest, SelectingARowHighlightsItsSectionAndShowsItsComment) {
    OpenByDoubleClick();
    QLineEdit* commentBox = Tables().CommentBox.Control->As<QLineEdit>();
    const int firstHeader = std::stoi(Cell(ContentsView(), 0, 0));
    ASSERT_GT(firstHeader, 0);

    QTest::mouseClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), 0, 1));  // above the first section
    Settle();
    EXPECT_EQ(SelectedRow(MainView()), 0);
    EXPECT_EQ(SelectedRow(ContentsView()), -1);

    const int secondHeader = std::stoi(Cell(ContentsView(), 1, 0));
    for (int row : {firstHeader, firstHeader + 1, secondHeader - 1}) {
        SCOPED_TRACE(row);
        SelectMain(row);
        EXPECT_EQ(SelectedRow(ContentsView()), 0);
    }
    SelectMain(Rows() - 1);
    EXPECT_EQ(SelectedRow(ContentsView()), ContentsView()->model()->rowCount() - 1);

    int commented = -1;
    for (int r = 0; r < Rows() && commented < 0; ++r)
        if (expected.MainRows.Cell(r, 0) == "key" && !expected.MainRows.Cell(r, 3).empty()) commented = r;
    ASSERT_GE(commented, 0);
    SelectMain(commented);
    EXPECT_EQ(FromQt(commentBox->text()), expected.MainRows.Cell(commented, 3).str());
    SelectMain(FirstOfKind("nor"));
    EXPECT_EQ(commentBox->text(), QString());
}

TEST_P(EditorRoadTest, MenuAddsAtTheSelectionAndDeletesTheSelectedRow) {
    OpenByDoubleClick();
    const int count = Rows();
    const std::string oldRow5 = Cell(MainView(), 5, 1);
    const int contents = ContentsView()->model()->rowCount();

    MenuOnRow(5, 2);  // "Добавить параметр"
    ASSERT_EQ(Rows(), count + 1);
    EXPECT_EQ(Cell(MainView(), 5, 0), "key");
    EXPECT_EQ(Cell(MainView(), 5, 1), FromQt(QString::fromUtf8("параметр")));
    EXPECT_EQ(Cell(MainView(), 5, 2), FromQt(QString::fromUtf8("значение")));
    EXPECT_EQ(Cell(MainView(), 6, 1), oldRow5);
    EXPECT_EQ(ContentsView()->model()->rowCount(), contents);

    MenuOnRow(6, 1);  // "Добавить секцию": no new contents entry
    EXPECT_EQ(Cell(MainView(), 6, 0), "sec");
    EXPECT_EQ(ContentsView()->model()->rowCount(), contents);

    MenuOnRow(5, 3);  // "Удалить строку"
    MenuOnRow(5, 3);
    EXPECT_EQ(Rows(), count);
    EXPECT_EQ(Cell(MainView(), 5, 1), oldRow5);

    // With no row selected a new row goes to the end and deleting does nothing.
    SelectMain(-1);
    PickFromMenu(0);  // "Добавить коментарий"
    TData none;
    Tables().RowMenu.doPopup(none, 0);
    Settle();
    ASSERT_EQ(Rows(), count + 1);
    EXPECT_EQ(Cell(MainView(), count, 0), "com");
    SelectMain(-1);
    PickFromMenu(3);  // "Удалить строку"
    Tables().RowMenu.doPopup(none, 0);
    Settle();
    EXPECT_EQ(Rows(), count + 1);
}

TEST_P(EditorRoadTest, InPlaceEditsAreSavedAsTheWriterWritesThem) {
    OpenByDoubleClick();
    const int row = FirstOfKind("key");
    ASSERT_GE(row, 0);
    SelectMain(row);  // brings it into view
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, CellAt(MainView(), row, 2));
    Settle();
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, "edited value");
    QTest::keyClick(box, Qt::Key_Return);  // saved, and the editor opens again on the row
    Settle();
    box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, "dropped");
    QTest::keyClick(box, Qt::Key_Escape);  // not saved
    Settle();
    EXPECT_EQ(Cell(MainView(), row, 2), "edited value");

    QTest::mouseClick(Window(), Qt::LeftButton, {}, At(FilePanel().SaveFileButton.Control->Widget(),
                                                       FilePanel().SaveFileButton.Control->Widget()->rect().center()));
    Settle();
    expected.MainRows.SetCell(row, 2, "edited value");
    const QString reference = dir.filePath("reference.ltx");
    ActivateHooks();
    expected.SaveTo(Bytes(FromQt(reference)));
    EXPECT_EQ(ReadAll(path), ReadAll(reference));
    EXPECT_NE(ReadAll(path).indexOf(" = edited value\t;"), -1);
}

TEST_F(EditorTest, TableFilesFillTheTablesAtStartUp) {
    // The main table's file with a colour header, the contents' without one.
    scheme.reset();
    QFile main(dir.filePath("main_table.ini")), contents(dir.filePath("section_table.ini"));
    ASSERT_TRUE(main.open(QIODevice::WriteOnly));
    main.write("0#16777215#16777215#0#one\ttwo\r\n0#15466238\tcom\tx\r\n");
    main.close();
    ASSERT_TRUE(contents.open(QIODevice::WriteOnly));
    contents.write("first+second+third\r\n4+s\r\n");
    contents.close();
    Start();
    ASSERT_EQ(MainView()->model()->columnCount(), 2);
    EXPECT_EQ(MainView()->model()->headerData(1, Qt::Horizontal).toString(), QString("two"));
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(MainView(), 0, 1), "x");
    ASSERT_EQ(ContentsView()->model()->columnCount(), 3);
    EXPECT_EQ(Cell(ContentsView(), 0, 1), "s");
}

INSTANTIATE_TEST_SUITE_P(Repository, EditorRoadTest, ::testing::Values(RepositoryFixture("road_includes.ltx")),
                         FixtureCaseName);
INSTANTIATE_TEST_SUITE_P(Real, EditorRoadTest, ::testing::Values(RealFile("weapons_includes.ltx")), FixtureCaseName);

}  // namespace
