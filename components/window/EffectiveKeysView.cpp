#include "components/window/EffectiveKeysView.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "components/window/StringTableView.h"
#include "objlib/qt/Translation.h"

// The keys as rows of three columns: name, value, the section that sets it.
class EffectiveKeysModel : public QAbstractTableModel {
public:
    void SetKeys(std::vector<EffectiveKeysView::Key> keys) {
        beginResetModel();
        keys_ = std::move(keys);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(keys_.size()); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({})) return {};
        const EffectiveKeysView::Key& key = keys_[index.row()];
        switch (role) {
        case Qt::DisplayRole: return index.column() == 0 ? key.name : index.column() == 1 ? key.value : key.section;
        case Qt::ToolTipRole: return key.origin;
        case Qt::ForegroundRole: return key.own ? QVariant() : QBrush(Qt::darkGray);
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const captions[] = {QT_TRANSLATE_NOOP("Morvane", "Параметр"), QT_TRANSLATE_NOOP("Morvane", "Значение"),
                                               QT_TRANSLATE_NOOP("Morvane", "Из секции")};
        return section >= 0 && section < 3 ? Morvane::tr(captions[section]) : QVariant();
    }

private:
    std::vector<EffectiveKeysView::Key> keys_;
};

EffectiveKeysView::EffectiveKeysView(TControl* parent) : THIWin(parent) { Visible = false; }

EffectiveKeysView::~EffectiveKeysView() {
    // The list goes with the panel's widget, later; it must not keep a model that is gone.
    if (list_ && Control && Control->Exists()) list_->setModel(nullptr);
}

void EffectiveKeysView::Init() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    title_ = new QLabel;
    title_->setTextFormat(Qt::PlainText);
    title_->setContentsMargins(3, 1, 3, 1);
    auto* list = new StringTableView;
    list_ = list;
    model_ = std::make_unique<EffectiveKeysModel>();
    list->setModel(model_.get());
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->horizontalHeader()->setDefaultSectionSize(165);
    layout->addWidget(title_);
    layout->addWidget(list, 1);
    Control = std::make_unique<TControl>(ParentControl, panel);
    THIWin::Init();
    list->FitRowHeightToFont();
    ShowNoSection();
}

void EffectiveKeysView::ShowSection(const QString& section, std::vector<Key> keys) {
    title_->setText(Morvane::tr("Параметры секции «%1»").arg(section));
    model_->SetKeys(std::move(keys));
}

void EffectiveKeysView::ShowNoSection() {
    title_->setText(Morvane::tr("Строка не принадлежит секции"));
    model_->SetKeys({});
}

bool EffectiveKeysView::Shown() const { return Control && Control->Widget() && !Control->Widget()->isHidden(); }

void EffectiveKeysView::doToggle(TData&, uint16_t) {
    const bool show = !Shown();
    Control->SetVisible(show);
    if (show) RaiseNull(onShown);
}
