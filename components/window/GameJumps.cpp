#include "components/window/GameJumps.h"

#include <QAction>
#include <QMenu>
#include <QTableView>
#include <algorithm>

#include "components/window/FileKeeper.h"
#include "components/window/GameFileText.h"
#include "components/window/GameModelKeeper.h"
#include "objlib/TStrList.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"
#include "runtime/THIGlobalVar.h"

namespace {


bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

QString FileName(std::string_view path) { return ToQString(path.substr(path.find_last_of('/') + 1)); }

}  // namespace

GameJumps::GameJumps(GameModelKeeper& models, const FileKeeper& keeper, const TStrList& listed, QTableView& table)
    : models_(models), keeper_(keeper), listed_(listed), table_(table) {}

void GameJumps::doGoToParent(TData&, uint16_t) {
    models_.EnsureBuilt();
    const GameModel& model = models_.Model();
    const int file = models_.OpenFile();
    const int row = PullInteger(SelectedIndex);
    if (file < 0 || row < 0) return;
    std::vector<Target> targets;
    if (const GameInclude* include = model.IncludeAt({file, row + 1})) {
        targets = IncludeTargets(*include);
    } else {
        for (const GameHeader& header : model.HeadersIn(file))
            if (header.at.line == row + 1) targets = ParentTargets(header);
    }
    const int chosen = Choose(targets, row);
    if (chosen >= 0) Go(targets[chosen]);
}

std::vector<GameJumps::Target> GameJumps::ParentTargets(const GameHeader& header) const {
    const GameModel& model = models_.Model();
    std::vector<Target> targets;
    if (header.section < 0) return targets;
    for (const GameParent& parent : model.Sections()[header.section].parents) {
        Target target;
        target.label = GameFileText(model, parent.at.file, parent.name);
        target.found = parent.section >= 0;
        if (!target.found) {
            target.label += Morvane::tr(" (нет такой секции)");
        } else {
            const GameSection& defined = model.Sections()[parent.section];
            target.path = model.Files()[defined.at.file].path;
            target.section = std::string(defined.name);
            if (defined.at.file == models_.OpenFile())
                target.row = defined.at.line - 1;
            else
                target.label += QStringLiteral(" — ") + FileName(target.path);
        }
        targets.push_back(std::move(target));
    }
    return targets;
}

std::vector<GameJumps::Target> GameJumps::IncludeTargets(const GameInclude& include) const {
    const GameModel& model = models_.Model();
    std::vector<Target> targets;
    for (int file : include.files) {
        Target target;
        target.path = model.Files()[file].path;
        target.label = FileName(target.path);
        target.found = true;
        targets.push_back(std::move(target));
    }
    if (targets.empty()) {
        Target missing;
        missing.label = Morvane::tr("Файла «%1» нет").arg(GameFileText(model, include.at.file, include.name));
        targets.push_back(std::move(missing));
    }
    return targets;
}

int GameJumps::Choose(const std::vector<Target>& targets, int row) const {
    if (targets.empty()) return -1;
    if (targets.size() == 1 && targets[0].found) return 0;
    QMenu menu(&table_);
    for (size_t i = 0; i < targets.size(); ++i) {
        QAction* action = menu.addAction(targets[i].label);
        action->setData(static_cast<int>(i));
        action->setEnabled(targets[i].found);
    }
    const QRect cell = table_.visualRect(table_.model()->index(row, 1));
    QAction* chosen = menu.exec(table_.viewport()->mapToGlobal(cell.bottomLeft()));
    return chosen ? chosen->data().toInt() : -1;
}

void GameJumps::Go(const Target& target) {
    if (target.row >= 0) {
        RaiseInteger(onSelectRow, target.row);
        return;
    }
    if (!OpenListed(target.path) || target.section.empty()) return;
    const int row = HeaderRow(target.section);
    if (row >= 0) RaiseInteger(onSelectRow, row);
}

bool GameJumps::OpenListed(const std::string& path) {
    int index = -1;
    for (int i = 0; i < listed_.Count() && index < 0; ++i)
        if (listed_.Get(i) == path) index = i;
    if (index < 0) {
        RaiseString(onAddFile, Bytes(path));
        RaiseNull(onShowList);
        index = listed_.Count() - 1;
    }
    THIGlobalVar fileIndex;
    fileIndex.SetName("FileIndex");
    RaiseInteger(Point<&THIGlobalVar::doValue>(fileIndex), index);
    RaiseNull(onOpenCurrent);
    return keeper_.OpenPath() == path;
}

int GameJumps::HeaderRow(const std::string& section) {
    models_.EnsureBuilt();
    const int file = models_.OpenFile();
    if (file < 0) return -1;
    int row = -1;
    for (const GameHeader& header : models_.Model().HeadersIn(file)) {
        if (!SameName(header.name, section)) continue;
        // A header that defines the section wins over one that only changes it.
        const bool defines = header.mark == GameHeaderMark::None || header.mark == GameHeaderMark::CreateOrOverride;
        if (defines) return header.at.line - 1;
        if (row < 0) row = header.at.line - 1;
    }
    return row;
}
