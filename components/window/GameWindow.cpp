#include "components/window/GameWindow.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>

#include "components/window/EffectiveKeysView.h"
#include "components/window/FileKeeper.h"
#include "components/window/GameFileText.h"
#include "components/window/GameJumps.h"
#include "components/window/GameModelKeeper.h"
#include "components/window/GameProblemTooltip.h"
#include "components/window/THILabel.h"
#include "components/window/THIPopupMenu.h"
#include "components/window/THIShortcut.h"
#include "components/window/ThiStringTable.h"
#include "objlib/Cp1251Literal.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"
#include "runtime/THIIndexToChanel.h"

namespace {


QString FileName(std::string_view path) { return ToQString(path.substr(path.find_last_of('/') + 1)); }

// Starts `timer` after any change of the model's rows or cells.
void StartOnRowChanges(QAbstractItemModel* model, QTimer* timer) {
    const auto start = [timer] { timer->start(); };
    QObject::connect(model, &QAbstractItemModel::dataChanged, timer, start);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, timer, start);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, timer, start);
    QObject::connect(model, &QAbstractItemModel::modelReset, timer, start);
}

}  // namespace

GameWindow::GameWindow() {
    refresh_.setSingleShot(true);
    refresh_.setInterval(0);
    connect(&refresh_, &QTimer::timeout, this, &GameWindow::Refresh);
}

GameWindow::~GameWindow() = default;

void GameWindow::Watch(const Parts& parts) {
    parts_ = parts;
    ThiStringTable& table = *parts.mainTable;
    auto* view = table.Control->As<QTableView>();
    models_ = std::make_unique<GameModelKeeper>(*parts.keeper, table.Rows(), *parts.listed);

    jumps_ = std::make_unique<GameJumps>(*models_, *parts.keeper, *parts.listed, *view);
    jumps_->SelectedIndex = Point<&ThiStringTable::SelectedIndex>(table);
    jumps_->onSelectRow = Point<&ThiStringTable::doSelect>(table);
    jumps_->onAddFile = parts.addFile;
    jumps_->onShowList = parts.showList;
    jumps_->onOpenCurrent = parts.openCurrent;

    // Docked at the bottom above the comment box, across the whole panel, hidden at first.
    view_ = std::make_unique<EffectiveKeysView>(parts.tablesPanel);
    view_->SetPlacement(1, 400, 650, 150);
    view_->Align = Align::Bottom;
    view_->Splitter = TSplitterRec{4, 0xFF00000F, 60, 200};
    view_->Color = 0xFF000005;
    view_->onShown = Point<&GameWindow::doPanelShown>(*this);
    view_->Init();

    // In the file panel's free room below "Строки как в файле".
    count_ = std::make_unique<THILabel>(parts.filePanel);
    count_->SetPlacement(5, 372, 130, 17);
    count_->Color = 0xFF00000F;
    count_->Hint = "F8 — следующая проблема, Shift+F8 — предыдущая"_cp1251;
    count_->HoverUnderline = true;
    count_->HoverCursor = 32649;  // the pointing hand: a click goes to the next problem
    count_->TabStop = true;       // and so do Enter and Space once TAB reached it
    count_->onClick = Point<&ProblemMarks::doNext>(marks_);
    count_->Init();

    marks_.Watch(table);
    marks_.SetTextSource({&GameWindow::ProblemText, this});
    marks_.SelectedIndex = Point<&ThiStringTable::SelectedIndex>(table);
    marks_.onSelect = Point<&ThiStringTable::doSelect>(table);

    keys_.push_back(Key("F4", Point<&EffectiveKeysView::doToggle>(*view_)));
    keys_.push_back(Key("F12", Point<&GameJumps::doGoToParent>(*jumps_)));
    keys_.push_back(Key("F8", Point<&ProblemMarks::doNext>(marks_)));
    keys_.push_back(Key("Shift+F8", Point<&ProblemMarks::doPrevious>(marks_)));

    // The items go after those the menu has, whatever their number.
    const int first = parts.menuChannels->Count;
    parts.rowMenu->Items = Bytes::Concat(
        {parts.rowMenu->Items.view(), "\r\n-\r\nПерейти к родителю\tF12\r\nПараметры секции\tF4"_cp1251});
    parts.menuChannels->SetCount(first + 2);
    parts.menuChannels->onEvent[first] = Point<&GameJumps::doGoToParent>(*jumps_);
    parts.menuChannels->onEvent[first + 1] = Point<&EffectiveKeysView::doToggle>(*view_);

    StartOnRowChanges(view->model(), &refresh_);
    // Emptied rows are a file closed or another one coming: its model goes before they arrive.
    connect(view->model(), &QAbstractItemModel::modelReset, this, [this] {
        if (parts_.mainTable->Rows().Count() == 0) models_->Forget();
    });
    StartOnRowChanges(parts.fileNames, &refresh_);
    connect(parts.mainWindow->Widget(), &QWidget::windowTitleChanged, &refresh_, [this] { refresh_.start(); });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &GameWindow::ShowSelectedSection);
}

std::unique_ptr<THIShortcut> GameWindow::Key(const char* keys, THI_Event point) {
    auto key = std::make_unique<THIShortcut>(parts_.mainWindow);
    key->Keys = keys;
    key->onShortcut = point;
    key->Init();
    return key;
}

void GameWindow::doPanelShown(TData&, uint16_t) {
    panelGeneration_ = 0;
    ShowSelectedSection();
}

void GameWindow::Refresh() {
    // Rows just read in are shown before the model of a large file keeps the window busy.
    parts_.mainTable->PaintPendingRows();
    models_->EnsureBuilt();
    if (models_->Generation() != marksGeneration_) ShowProblems();
    ShowSelectedSection();
}

void GameWindow::ShowProblems() {
    marksGeneration_ = models_->Generation();
    const GameModel& model = models_->Model();
    const int file = models_->OpenFile();
    std::vector<ProblemMarks::Mark> marks;
    if (file >= 0) {
        const auto problems = model.ProblemsIn(file);
        marks.reserve(problems.size());
        for (size_t i = 0; i < problems.size(); ++i)
            marks.push_back({problems[i].at.line - 1, IsError(problems[i].kind), static_cast<int>(i)});
    }
    marks_.SetMarks(std::move(marks));
    auto* label = count_->Control->As<QLabel>();
    count_->Control->SetEnabled(marks_.Count() > 0);  // greyed, and no TAB stop, with nothing to go to
    if (file < 0)
        label->clear();
    else if (marks_.Count() == 0)
        label->setText(Morvane::tr("Проблем нет"));
    else
        label->setText(Morvane::tr("Проблем в файле: %1").arg(marks_.Count()));
}

QString GameWindow::ProblemText(void* self, int problem) {
    const GameWindow& game = *static_cast<GameWindow*>(self);
    // Marks of an older build are replaced at the refresh that follows every build; until then
    // they say nothing rather than name another problem.
    const int file = game.models_->OpenFile();
    if (game.models_->Generation() != game.marksGeneration_ || file < 0) return QString();
    const GameModel& model = game.models_->Model();
    const auto problems = model.ProblemsIn(file);
    if (problem < 0 || static_cast<size_t>(problem) >= problems.size()) return QString();
    return GameProblemTooltip(model, problems[problem], file);
}

void GameWindow::ShowSelectedSection() {
    if (!view_->Shown()) return;
    if (models_->EnsureBuilt()) ShowProblems();
    const GameModel& model = models_->Model();
    const int file = models_->OpenFile();
    const int row = PullInteger(Point<&ThiStringTable::SelectedIndex>(*parts_.mainTable));
    const int section = file >= 0 && row >= 0 ? model.SectionAt({file, row + 1}) : -1;
    if (section == panelSection_ && panelGeneration_ == models_->Generation()) return;
    panelSection_ = section;
    panelGeneration_ = models_->Generation();
    if (section < 0) {
        view_->ShowNoSection();
        return;
    }
    auto name = [&](int of) { return GameFileText(model, model.Sections()[of].at.file, model.Sections()[of].name); };
    std::vector<EffectiveKeysView::Key> keys;
    for (const GameKey& key : model.EffectiveKeys(section)) {
        const GameLocation at = key.at;
        keys.push_back({GameFileText(model, at.file, key.key), GameFileText(model, at.file, key.value), name(key.section),
                        Morvane::tr("%1, строка %2").arg(FileName(model.Files()[at.file].path)).arg(at.line),
                        key.section == section});
    }
    view_->ShowSection(name(section), std::move(keys));
}
