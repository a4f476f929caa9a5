// The editor speaks English when the system's language is English, and Russian, as written, in
// every other locale; the data (rows, file names, the words a new row is made of) stay as they
// are in both. Checked on the real editor run through the same steps in each language, with
// every text gathered as shown: the main window with its file panel, tables, column captions,
// menu and search strip, the About window, the file keeper's questions and failures, the Save
// As dialog, and the game's view of the files (the parameter panel, the jump's choices, the
// problem marks and their count).
#include <QMessageBox>
#include <array>
#include <filesystem>
#include <optional>

#include "EditorWindow.h"
#include "FileDialogs.h"
#include "InterfaceWalk.h"
#include "MessageBoxes.h"
#include "components/window/EffectiveKeysView.h"
#include "components/window/GameWindow.h"
#include "components/window/THILabel.h"
#include "objlib/qt/Translation.h"
#include "scheme/TClassChildPanel_1B60E80.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The language variables of one run; nil leaves a variable unset.
struct Locale {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
};
constexpr const char* kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

const QByteArray kWeapons = "; \xCE\xF0\xF3\xE6\xE8\xE5\r\n[wpn_ak74]\r\ncost = 2500 ; \xF6\xE5\xED\xE0\r\n";  // Оружие, цена

class InterfaceLanguageTest : public EditorTest {
protected:
    // The editor starts in the language the program would choose under `locale`; without one it
    // starts as it always did before there was a choice.
    void StartUnder(std::optional<Locale> locale) {
        locale_ = locale;
        TearDown();
        EditorTest::SetUp();
    }
    void Prepare() override {
        if (!locale_) return;
        const char* values[] = {locale_->language, locale_->lcAll, locale_->lcMessages, locale_->lang};
        for (size_t i = 0; i < std::size(kLocaleVariables); ++i) {
            if (values[i])
                qputenv(kLocaleVariables[i], values[i]);
            else
                qunsetenv(kLocaleVariables[i]);
        }
        ASSERT_TRUE(UseInterfaceLanguage(SystemInterfaceLanguage()));
    }
    void TearDown() override {
        EditorTest::TearDown();
        UseInterfaceLanguage(InterfaceLanguage::Russian);
        for (size_t i = 0; i < std::size(kLocaleVariables); ++i) {
            if (saved_[i].set)
                qputenv(kLocaleVariables[i], saved_[i].value);
            else
                qunsetenv(kLocaleVariables[i]);
        }
    }

    QLineEdit* SearchBox() {
        auto& search = *static_cast<TClassChildPanel_1B60E80*>(Tables().SearchPanel.Inner->Scheme);
        return search.SearchBox.Control->As<QLineEdit>();
    }

    // The items of Qt's own menu of the search box, a line edit, opened with a right click: as
    // read, without their "&" and their keys.
    QStringList SearchBoxMenuItems() {
        QStringList items;
        QTimer::singleShot(0, [&items] {  // the menu opens on the press
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                if (!action->isSeparator()) items << action->text().section('\t', 0, 0).remove('&');
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        QTest::mouseClick(Window(), Qt::RightButton, {}, At(SearchBox(), SearchBox()->rect().center()));
        return items;
    }

    // Shows the main table's menu on its first row and gathers its items.
    void WalkTheMenu(InterfaceWalk& walk) {
        const QPoint at = CellAt(MainView(), 0, 1);
        QTest::mousePress(Window(), Qt::RightButton, {}, at);
        QTimer::singleShot(0, [&walk] {  // the menu opens on the release
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            walk.Walk(menu, "menu");
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        QTest::mouseRelease(Window(), Qt::RightButton, {}, at);
        Settle();
    }

    // A key to the main window, which menus and message boxes may have left inactive.
    void Press(Qt::Key key) {
        QApplication::setActiveWindow(Main());
        ASSERT_EQ(QApplication::activeWindow(), Main());
        QTest::keyClick(Window(), key);
        Settle();
    }

    // Walks the menu of choices that F12 shows on the selected row, then closes it.
    void WalkTheJumpChoice(InterfaceWalk& walk, const QString& where) {
        QTimer poll;  // the menu shows once the key has reached the window
        bool walked = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || walked) return;
            walked = true;
            walk.Walk(menu, where);
            QTest::keyClick(menu, Qt::Key_Escape);
        });
        poll.start(5);
        Press(Qt::Key_F12);
        EXPECT_TRUE(walked) << where.toStdString();
    }

    // The game's view of the harbour files: the parameter panel of a section with parents in
    // other files, the jump's choices (two parents, a missing parent, a missing include), the
    // problem marks and their count, and the Save As dialog.
    void WalkTheGame(InterfaceWalk& walk) {
        const QString harbour = dir.filePath("harbour");
        std::filesystem::copy(MORVANE_REPO_FIXTURES_DIR "/harbour", harbour.toStdString(),
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        const int ships = FileList()->count();
        Drop({harbour + "/ships.ltx", harbour + "/broken.ltx", harbour + "/lost.ltx"});

        DoubleClickName(ships);
        SelectMain(6);  // [cutter]:hull_base, engine_small
        Press(Qt::Key_F4);
        walk.Walk(scheme->Game.View().Control->Widget(), "parameter panel");
        WalkTheJumpChoice(walk, "jump to one of two parents");

        DoubleClickName(ships + 1);  // broken.ltx
        walk.Walk(scheme->Game.ProblemCount().Control->Widget(), "problem count");
        walk.Walk(MainView(), "rows with problems");
        SelectMain(3);  // [pier]:nowhere
        WalkTheJumpChoice(walk, "jump to a missing parent");

        DoubleClickName(ships + 2);  // lost.ltx
        walk.Walk(MainView(), "rows with a missing include");
        SelectMain(1);  // #include "missing.ltx"
        WalkTheJumpChoice(walk, "jump to a missing include");

        FileDialogAnswerer dialogs({""});  // cancelled
        dialogs.onShown = [&walk](QFileDialog& dialog) { walk.Walk(&dialog, "save as"); };
        Click(FilePanel().SaveAsButton);
        EXPECT_EQ(dialogs.seen.size(), 1u);
        Press(Qt::Key_F4);  // the panel hidden again
    }

    // The same steps in every language, through every window, menu and message there is, and
    // the texts shown on the way.
    std::vector<ShownText> RunThrough() {
        const QString weapons = MakeFile(Utf8("Оружие.ltx"), kWeapons);
        const QString other = MakeFile("b.ltx", "x = 1\r\n");
        const QString nul = MakeFile("nul.ltx", QByteArray("[a]\r\nx = 1\0y = 2\r\n", 19));
        const QString missing = MakeFile("missing.ltx", "");
        InterfaceWalk walk;
        walk.QuoteAsData({weapons, nul, missing, Utf8("Оружие.ltx"), dir.path()});
        MessageBoxAnswerer boxes;
        int shown = 0;
        boxes.onShown = [&](QMessageBox& box) { walk.Walk(&box, "message " + QString::number(++shown)); };
        const QString cancel = Morvane::tr("Отмена");

        walk.Walk(Main(), "main");
        QTimer::singleShot(0, [&walk] {
            QWidget* about = QApplication::activeModalWidget();
            walk.Walk(about, "about");
            about->close();
        });
        Click(FilePanel().AboutButton);

        Click(FilePanel().SaveFileButton);  // nothing is open
        Drop({weapons, other, nul, missing});
        EXPECT_TRUE(QFile::remove(missing));
        DoubleClickName(3);  // cannot be opened
        DoubleClickName(2);  // opens with a warning about its zero byte
        WalkTheMenu(walk);
        MenuOnRow(0, 0);
        Click(FilePanel().SaveFileButton);  // refused: the zero byte
        boxes.Answer(Morvane::tr("Не сохранять"));
        DoubleClickName(0);  // asks about the edit first
        for (int item : {0, 1, 2}) MenuOnRow(0, item);  // a comment, a section and a parameter row

        SearchBox()->setFocus();
        QTest::keyClicks(SearchBox(), "zzz");  // finds nothing
        walk.Walk(SearchBox(), "search box after a search that found nothing");
        QTest::sendKeyEvent(QTest::Click, SearchBox(), Qt::Key_unknown, Utf8("日"), Qt::NoModifier);

        MakeFile(Utf8("Оружие.ltx"), "[changed]\r\n");
        boxes.Answer(cancel);
        Click(FilePanel().SaveFileButton);  // changed by another program: asked, not written
        EXPECT_TRUE(QFile::remove(weapons));
        boxes.Answer(cancel);
        Click(FilePanel().SaveFileButton);  // gone: asked, not written
        EXPECT_TRUE(QDir(dir.path()).mkdir(Utf8("Оружие.ltx")));
        boxes.Answer(Morvane::tr("Записать"));
        Click(FilePanel().SaveFileButton);  // a folder in its place: asked, written, failed
        EXPECT_TRUE(QDir(dir.path()).rmdir(Utf8("Оружие.ltx")));
        boxes.Answer(cancel);
        Main()->close();  // asks about the edits, and stays
        Settle();

        walk.Walk(Main(), "main with a file open");
        EXPECT_EQ(shown, 10);
        EXPECT_TRUE(Main()->isVisible());

        boxes.Answer(Morvane::tr("Не сохранять"));  // the edits above, as the next file opens
        WalkTheGame(walk);
        EXPECT_EQ(shown, 11);
        return walk.texts;
    }

    static bool Shows(const std::vector<ShownText>& texts, bool data, const char* text) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const ShownText& t) { return t.data == data && t.text == Utf8(text); });
    }

    std::optional<Locale> locale_;
    struct Variable {
        bool set;
        QByteArray value;
    };
    const std::array<Variable, 4> saved_ = [] {
        std::array<Variable, 4> variables;
        for (size_t i = 0; i < variables.size(); ++i)
            variables[i] = {qEnvironmentVariableIsSet(kLocaleVariables[i]), qgetenv(kLocaleVariables[i])};
        return variables;
    }();
};

// Equal lists of texts, or where the first difference lies.
::testing::AssertionResult SameTexts(const std::vector<ShownText>& shown, const std::vector<ShownText>& expected) {
    for (size_t i = 0; i < std::min(shown.size(), expected.size()); ++i) {
        if (shown[i] == expected[i]) continue;
        return ::testing::AssertionFailure() << shown[i].where.toStdString() << ": \"" << shown[i].text.toStdString()
                                             << "\", where " << expected[i].where.toStdString() << ": \""
                                             << expected[i].text.toStdString() << "\" was shown";
    }
    if (shown.size() != expected.size())
        return ::testing::AssertionFailure() << shown.size() << " texts shown, not " << expected.size();
    return ::testing::AssertionSuccess();
}

TEST_F(InterfaceLanguageTest, AnEnglishSystemShowsEveryInterfaceTextInEnglishAndTheDataAsTheyAre) {
    const std::vector<ShownText> russian = RunThrough();
    StartUnder(Locale{nullptr, nullptr, nullptr, "en_US.UTF-8"});
    const std::vector<ShownText> english = RunThrough();

    ASSERT_EQ(english.size(), russian.size());
    for (size_t i = 0; i < english.size(); ++i) {
        const ShownText& ru = russian[i];
        const ShownText& en = english[i];
        SCOPED_TRACE((en.where + ": " + en.text + "  (in Russian: " + ru.text + ")").toStdString());
        ASSERT_EQ(en.where.toStdString(), ru.where.toStdString());
        ASSERT_EQ(en.data, ru.data);
        if (en.data) {
            EXPECT_EQ(en.text.toStdString(), ru.text.toStdString());
        } else {
            EXPECT_FALSE(HasCyrillic(en.text)) << "this text has no English yet";
        }
    }
    // The rows added from the menu hold the same words in every language: they go into the file.
    for (const char* word : {"коментарий", "секция", "параметр", "значение"}) {
        SCOPED_TRACE(word);
        EXPECT_TRUE(Shows(english, true, word));
        EXPECT_FALSE(Shows(english, false, word));
    }
}

TEST_F(InterfaceLanguageTest, EveryOtherLocaleShowsTheInterfaceInRussianAsWritten) {
    const std::vector<ShownText> before = RunThrough();
    for (const char* caption : {"Удалить", "Сохранить файл", "Добавить параметр", "тип", "Вниз",
                                "Сохранить изменения в файле «<file>»?", "Не сохранять",
                                "Не удалось сохранить файл «<file>»: это папка, а не файл. Изменения остались в таблице."})
        EXPECT_TRUE(Shows(before, false, caption)) << caption;

    const Locale others[] = {
        {nullptr, nullptr, nullptr, "ru_RU.UTF-8"},
        {nullptr, nullptr, nullptr, "C"},
        {nullptr, "POSIX", nullptr, "en_US.UTF-8"},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8"},
        {"de:ru", nullptr, nullptr, "en_US.UTF-8"},
    };
    for (const Locale& locale : others) {
        SCOPED_TRACE(std::string("LANGUAGE=") + (locale.language ? locale.language : "-") +
                     " LC_ALL=" + (locale.lcAll ? locale.lcAll : "-") + " LANG=" + locale.lang);
        StartUnder(locale);
        EXPECT_TRUE(SameTexts(RunThrough(), before));
    }
}

// Qt's own texts speak the interface's language too, as the menu of a line edit shows: Russian
// from Qt's translations (installed by scripts/setup.sh), English as Qt writes them.
TEST_F(InterfaceLanguageTest, QtsOwnTextsSpeakTheInterfacesLanguage) {
    const QStringList english = {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"};
    struct Case {
        Locale locale;
        bool inEnglish;
    };
    const Case cases[] = {
        {{nullptr, nullptr, nullptr, "ru_RU.UTF-8"}, false},
        {{nullptr, nullptr, nullptr, "en_US.UTF-8"}, true},
        {{nullptr, nullptr, nullptr, "C"}, false},
        {{"en", nullptr, nullptr, "ru_RU.UTF-8"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("LANGUAGE=") + (c.locale.language ? c.locale.language : "-") + " LANG=" + c.locale.lang);
        StartUnder(c.locale);
        const QStringList items = SearchBoxMenuItems();
        if (c.inEnglish) {
            EXPECT_EQ(items.join(", ").toStdString(), english.join(", ").toStdString());
            continue;
        }
        EXPECT_EQ(items.size(), english.size()) << items.join(", ").toStdString();
        for (const QString& item : items) EXPECT_TRUE(HasCyrillic(item)) << item.toStdString();
    }
}

}  // namespace
