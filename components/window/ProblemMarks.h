// ProblemMarks: marks the rows of a string table that hold a problem the game would run into,
// and moves the selection from one of them to the next.
//
// A marked row shows an error or warning sign in its first column; resting the mouse on that
// cell shows what is wrong. Several problems of one row share its mark, their texts one per
// line, and the sign is the error sign when any of them is an error.
//
// Points: doNext and doPrevious raise onSelect with the first marked row after (before) the
// selected one, read through SelectedIndex, going round at the end (start); with no marks they
// raise nothing.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "runtime/Dispatch.h"

class QTableView;
class ProblemMarkDelegate;
class ThiStringTable;

class ProblemMarks {
public:
    struct Mark {
        int row = -1;
        bool error = false;
        QString text;
    };

    ProblemMarks();
    ~ProblemMarks();
    ProblemMarks(const ProblemMarks&) = delete;
    ProblemMarks& operator=(const ProblemMarks&) = delete;

    // Puts the marks on the rows of `table`, whose view must exist (after its Init).
    void Watch(ThiStringTable& table);
    // Replaces the marks.
    void SetMarks(std::vector<Mark> marks);
    // The number of problems, not of marked rows.
    int Count() const { return problems_; }
    // The mark of `row`, or nil.
    const Mark* MarkOf(int row) const;

    void doNext(TData& d, uint16_t index);
    void doPrevious(TData& d, uint16_t index);

    THI_Event onSelect;       // Integer: the row to select
    THI_Event SelectedIndex;  // data, Integer: the selected row, or -1

private:
    std::vector<Mark> rows_;  // one per marked row, by row
    int problems_ = 0;
    QPointer<QTableView> view_;
    std::unique_ptr<ProblemMarkDelegate> delegate_;
};
