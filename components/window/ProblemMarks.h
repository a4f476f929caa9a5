// ProblemMarks: marks the rows of a string table that hold a problem the game would run into,
// and moves the selection from one of them to the next.
//
// A marked row shows an error or warning sign in its first column; resting the mouse on that
// cell shows what is wrong. Several problems of one row share its mark, their texts one per
// line, and the sign is the error sign when any of them is an error. A text is made only when
// its tooltip is asked for (a large file has many problems; few are ever looked at): a mark
// holds the number its text source knows the problem by.
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
        int problem = -1;  // what the text source is asked for
    };
    // Makes a problem's text. A plain function and its target.
    struct TextSource {
        QString (*Text)(void* target, int problem) = nullptr;
        void* Target = nullptr;
    };
    // What the first column of a marked row shows.
    struct RowMark {
        int row = -1;
        bool error = false;  // one of its problems is an error
        int first = 0;       // its problems in problems_, first and count
        int count = 0;
    };

    ProblemMarks();
    ~ProblemMarks();
    ProblemMarks(const ProblemMarks&) = delete;
    ProblemMarks& operator=(const ProblemMarks&) = delete;

    // Puts the marks on the rows of `table`, whose view must exist (after its Init).
    void Watch(ThiStringTable& table);
    void SetTextSource(TextSource source) { source_ = source; }
    // Replaces the marks.
    void SetMarks(std::vector<Mark> marks);
    // The number of problems, not of marked rows.
    int Count() const { return static_cast<int>(problems_.size()); }
    // The mark of `row`, or nil.
    const RowMark* MarkOf(int row) const;
    // The texts of the mark's problems, one per line.
    QString TextOf(const RowMark& mark) const;

    void doNext(TData& d, uint16_t index);
    void doPrevious(TData& d, uint16_t index);

    THI_Event onSelect;       // Integer: the row to select
    THI_Event SelectedIndex;  // data, Integer: the selected row, or -1

private:
    std::vector<RowMark> rows_;  // one per marked row, by row
    std::vector<int> problems_;  // the marks' problems, by row
    TextSource source_;
    QPointer<QTableView> view_;
    std::unique_ptr<ProblemMarkDelegate> delegate_;
};
