// StringTableModel: the Qt item model through which a table view shows a TStringTableRows.
//
// Cells become Qt strings only in data(), so only the cells the view paints are converted; they
// are the open file's text, shown in its encoding (FileText.h). Captions are cp1251.
// Rows appended to the store are published in batches: the first pending append posts one
// zero-delay call, which tells the view about every row appended until then with a single
// beginInsertRows/endInsertRows. Publish() does the same at once; callers that need the view
// to know every row (selecting, editing) call it first. Any other change of the store
// publishes the pending rows itself before it is announced.
//
// Row colours come from the row's item value (t << 24) + b, only with the store's ColorPrefix
// on: a non-zero b (0x00BBGGRR, bits 0..23) is the row's background, a non-zero t (bits 24..27)
// picks its text colour from a fixed palette of 15 colours. Other rows use the default
// background given here (if any) and the view's text colour.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <vector>

#include "components/window/StringTableRows.h"

class StringTableModel : public QAbstractTableModel, private TStringTableRows::Observer {
public:
    // Becomes the store's observer until it is destroyed; the store must outlive it.
    explicit StringTableModel(TStringTableRows& rows);
    ~StringTableModel() override;

    // Tells the view about the pending rows now.
    void Publish();
    // Replaces the columns; existing rows are reshaped to them (new cells empty).
    void SetColumns(const std::vector<Bytes>& captions);
    // The alignment of every column's cells and caption.
    void SetColumnAlignment(Qt::Alignment alignment);
    // The background of rows that have no colour of their own; an invalid colour leaves it
    // to the view.
    void SetDefaultBackground(const QColor& color);
    // With check boxes on, the first column carries a check box per row; `changed` hears
    // of every change the user makes.
    void SetCheckBoxes(bool on, std::function<void(int row, bool checked)> changed);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The column captions, in the interface language (Translation.h).
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void AppendsPending() override;
    void PublishPending() override;
    void BeginInsertRow(int index) override;
    void EndInsertRow() override;
    void BeginRemoveRow(int index) override;
    void EndRemoveRow() override;
    void BeginReset() override;
    void EndReset() override;
    void RowChanged(int index) override;

    QVariant RowBackground(int row) const;
    QVariant RowForeground(int row) const;

    TStringTableRows& rows_;
    bool publishPosted_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QColor defaultBackground_;
    bool checkBoxes_ = false;
    std::vector<bool> checked_;  // one per published row while check boxes are on
    std::function<void(int, bool)> checkChanged_;
};
