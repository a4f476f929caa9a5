// GameWindow: the editor's window reads the files as the game does. For the selected row's
// section a panel lists its effective parameters (own and inherited, with the section each
// comes from); "Перейти к родителю" and F12 jump to a header's parent or open an included file;
// rows with a problem are marked, the file panel shows how many the open file has, and F8 and
// Shift+F8 move to the next and the previous one; overlay headers get contents entries.
//
// The files are the open one (from its rows, which may hold unsaved edits), every file of the
// file list and what they include (GameModelKeeper). The model is built again after the rows,
// the file list or the open file changed, once the changes of one turn of the event loop are
// in, and when a jump or the panel needs it; never because the selection moved. Rows the main
// table has not painted yet are painted first: a file just opened shows its rows at once, and
// its problems follow when the model is built.
//
// Keys: F4 shows or hides the panel (also the row menu's "Параметры секции"), F12 jumps, F8 and
// Shift+F8 go to the next and previous problem.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "components/window/OverlayContentsEntries.h"
#include "components/window/ProblemMarks.h"
#include "runtime/Dispatch.h"

class EffectiveKeysView;
class FileKeeper;
class GameJumps;
class GameModelKeeper;
class QAbstractItemModel;
class THIIndexToChanel;
class THILabel;
class THIPopupMenu;
class THIShortcut;
class TStrList;
class TControl;
class ThiStringTable;

class GameWindow : public QObject {
public:
    // What it works with, all built before Watch.
    struct Parts {
        TControl* mainWindow = nullptr;   // where the keys work
        const FileKeeper* keeper = nullptr;
        ThiStringTable* mainTable = nullptr;
        TControl* tablesPanel = nullptr;  // holds the parameter panel, docked at its bottom
        TControl* filePanel = nullptr;    // holds the count of problems
        QAbstractItemModel* fileNames = nullptr;  // the file panel's names: refilled when the list changes
        const TStrList* listed = nullptr; // the file list's paths
        THI_Event addFile;                // the file list's add (a path), as a drop adds
        THI_Event showList;               // refill the file panel's list
        THI_Event openCurrent;            // open the entry "FileIndex" names, through the keeper
        THIPopupMenu* rowMenu = nullptr;  // gets the two items, after the ones it has
        THIIndexToChanel* menuChannels = nullptr;
    };

    GameWindow();
    ~GameWindow() override;

    void Watch(const Parts& parts);

    // Sits between the line parser's rows and the tables: overlay headers get contents entries.
    OverlayContentsEntries Overlays;

    // For the tests and the benchmark.
    EffectiveKeysView& View() { return *view_; }
    THILabel& ProblemCount() { return *count_; }
    GameModelKeeper& Models() { return *models_; }

private:
    void doPanelShown(TData& d, uint16_t index);
    void Refresh();
    void ShowSelectedSection();
    void ShowProblems();
    // The tooltip of a mark: the text of the open file's problem with that number (ProblemMarks).
    static QString ProblemText(void* self, int problem);
    // A key of the main window that raises `point`.
    std::unique_ptr<THIShortcut> Key(const char* keys, THI_Event point);

    Parts parts_;
    std::unique_ptr<GameModelKeeper> models_;
    std::unique_ptr<GameJumps> jumps_;
    std::unique_ptr<EffectiveKeysView> view_;
    std::unique_ptr<THILabel> count_;
    std::vector<std::unique_ptr<THIShortcut>> keys_;
    ProblemMarks marks_;
    QTimer refresh_;
    uint64_t marksGeneration_ = 0;  // the build the marks show
    uint64_t panelGeneration_ = 0;  // the build the panel shows
    int panelSection_ = -1;         // the section the panel shows (-1: none)
};
