// GameJumps: "Перейти к родителю" (the row menu's item and F12) from the selected row of the
// open file, following the game model.
//
// On a header row it selects the header of the section's parent, in the open file or, when the
// parent is defined in another file, after opening that file: the file is added to the file
// list as a drop adds it (unless it is listed already) and opened as a double click on its
// name opens it, so unsaved changes are asked about first. Several parents, or a parent that
// is not defined, are offered in a small menu at the row. On an #include row it opens the
// included file (a choice again when a pattern names several). On other rows it does nothing.
//
// Points: doGoToParent; data SelectedIndex (the selected row); events onSelectRow (Integer:
// the row of the open file to select), onAddFile (String: a path), onShowList (NULL) and
// onOpenCurrent (NULL: open the entry "FileIndex" names).
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "game/GameModel.h"
#include "runtime/Dispatch.h"

class FileKeeper;
class GameModelKeeper;
class QTableView;
class TStrList;

class GameJumps {
public:
    // `listed`: the file list's paths; `table`: the main table's view, where a choice shows.
    GameJumps(GameModelKeeper& models, const FileKeeper& keeper, const TStrList& listed, QTableView& table);

    void doGoToParent(TData& d, uint16_t index);

    THI_Event SelectedIndex;
    THI_Event onSelectRow;
    THI_Event onAddFile;
    THI_Event onShowList;
    THI_Event onOpenCurrent;

private:
    // Where a jump may go, copied out of the model, which opening a file builds anew.
    struct Target {
        QString label;
        bool found = false;
        std::string path;      // the file to show
        std::string section;   // the header to select there; empty: the file's top
        int row = -1;          // the header's row when the file is the open one
    };

    std::vector<Target> ParentTargets(const GameHeader& header) const;
    std::vector<Target> IncludeTargets(const GameInclude& include) const;
    // The one target, or the one the user picks; -1 for none.
    int Choose(const std::vector<Target>& targets, int row) const;
    void Go(const Target& target);
    // Opens the file through the file list; false when it did not become the open file.
    bool OpenListed(const std::string& path);
    // The header row of `section` in the open file, or -1.
    int HeaderRow(const std::string& section);

    GameModelKeeper& models_;
    const FileKeeper& keeper_;
    const TStrList& listed_;
    QTableView& table_;
};
