// LtxDocument: an LTX file opened without a window, the way the editor opens it.
//
// The line parser scheme feeds a row store configured like the editor's main table and a
// contents store configured like its table of contents ("row index+section name"); the
// writer scheme reads the main rows back through their array interface and saves them,
// behind the open file's byte-order mark.
#pragma once

#include <optional>

#include "components/text/THIFormatStr.h"
#include "components/window/StringTableRows.h"
#include "objlib/TextFileCheck.h"
#include "runtime/MultiElement.h"
#include "runtime/THIHub.h"

class LtxDocument {
public:
    // Told, in order, about every row string the parser sends to the main table and every
    // entry the table of contents receives.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void Row(const Bytes& rowString) = 0;
        virtual void ContentsEntry(const Bytes& entry) = 0;
    };

    LtxDocument();
    LtxDocument(const LtxDocument&) = delete;
    LtxDocument& operator=(const LtxDocument&) = delete;

    void SetListener(Listener* listener) { listener_ = listener; }

    // Parses the file into the stores and remembers its path as the target of Save. A file
    // that cannot be read whole (unreadable, or cut short by a NUL byte) is not parsed: the
    // answer is false, the stores are empty, nothing is open and Check() says why.
    bool Open(const Bytes& path);
    // Opens as Open does for a caller that will only save the rows whole (Save, SaveTo): the
    // file's text is let go before the parse, so KeepsLines is false and Check().content is
    // empty; only the byte-order mark is kept for the save.
    bool OpenForWholeSave(const Bytes& path);
    const TextFileCheck& Check() const { return check_; }
    // Writes the main rows to the remembered path (or the one given to SaveTo). False when
    // nothing was written: nothing is open, or the file could not be written (LastFileError).
    bool Save();
    bool SaveTo(const Bytes& path);

    // Whether the open file's rows can be written back line by line: the parser made one row
    // of each line that holds more than blanks.
    bool KeepsLines() const;
    // Writes the main rows over the lines they were read from (KeepLinesWriter) to the open
    // file's path, or to the given one. False when nothing was written: nothing is open, the
    // rows do not match the lines (KeepsLines), or the file could not be written.
    bool SaveKeepingLines();
    bool SaveKeepingLinesTo(const Bytes& path);

    TStringTableRows MainRows;
    TStringTableRows ContentsRows;

private:
    // Points of the two stores, as the tables panel connects them.
    void doAddRow(TData& d, uint16_t index);
    void doAddContents(TData& d, uint16_t index);
    void doLoaded(TData& d, uint16_t index);
    void MainCount(TData& d, uint16_t index);
    void MainArray(TData& d, uint16_t index);
    void ByteOrderMark(TData& d, uint16_t index);  // the open file's, for the writer

    THIMultiElementEx parser_;
    THIMultiElementEx writer_;
    THIFormatStr contentsEntry_;  // "%1+%2": the main table's row count, "+", the name
    // Reads the file's check and its byte-order mark.
    void CheckFile(const Bytes& path);
    // Parses the checked file into the stores from `content`, its checked bytes; false, with
    // empty stores, when it is not whole.
    bool OpenChecked(const Bytes& path, Bytes content);

    TextFileCheck check_;  // holds the file's bytes as read
    Bytes mark_;           // the open file's byte-order mark, a copy of its own
    Bytes path_;           // of the open file; empty when nothing is open
    int loadedRows_ = -1;  // the main rows when Open ended; -1 when nothing was opened keeping lines
    mutable std::optional<bool> keepsLines_;  // counted on the first question after an open
    Listener* listener_ = nullptr;
};
