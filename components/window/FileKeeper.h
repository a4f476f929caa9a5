// FileKeeper: guards the open file, so that the editor never loses the user's edits or writes
// over a file it did not read whole.
//
// It knows which file is open, what that file was on disk when it was read or last saved, and
// whether the main table holds changes not yet saved (the edit history says so; the window
// title then carries the platform's modified mark). Before anything would drop those changes
// (opening a file, a list change, closing the main window) it asks: save, discard or cancel.
// It refuses to open a file that cannot be read whole and to save when nothing is open, asks
// before writing over a file that another program changed, and tells the user in a message box
// why a save failed.
//
// Points:
//   doOpen (path)     asks about unsaved changes, then opens: onOpen with the path when the file
//                     can be read, otherwise says why and closes (onNothingOpen).
//   doSave            checks, then onSave (the tables write the main table to the open file),
//                     or, when KeepLines answers 1, writes the main rows over the lines they
//                     were read from (KeepLinesWriter) itself; says why when nothing was written.
//   doAskFirst (i)    asks about unsaved changes, then onGoAhead[i] with the incoming value.
//   doSaveAs          asks for another path (FileKeeperSaveAs.cpp), writes the main table
//                     there as doSave would, and makes it the open file, listed and current.
//   doShowUnsaved     Unsaved may have changed: the title shows it.
//   onOpen            String: the path of the file to parse.
//   onSave            NULL: write the main table to the file the tables' writer holds.
//   onNothingOpen     String, empty: empty the tables and forget the file to save to.
//   onSaved           NULL: the main table is what the open file now holds.
//   onWriteTo         String: the file the tables' writer writes to from now on.
//   onAddFile, onShowFiles, onFileIndex
//                     String path / NULL / Integer: list a file as a drop does, make an
//                     entry the current one ("FileIndex").
//   KeepLines         data, Integer: 1 when a save keeps the lines as read. A file whose rows
//                     do not match its lines is saved through onSave all the same.
//   Unsaved           data, Integer: 1 while the main table holds changes not saved.
//   Files             data, Array: the full paths of the file list.
//   ByteOrderMark     value: the byte-order mark the open file was read with, or empty; the
//                     tables' writer puts it back before the first line.
// The open file's text is shown and typed in the encoding it was read in (FileText.h); a file
// in UTF-8 says so in the window title.
// "Discard" closes the open file (onNothingOpen); "cancel", or a save that failed, stops the
// action.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "objlib/TextEncoding.h"
#include "objlib/TextFileCheck.h"
#include "runtime/Dispatch.h"

class QWidget;
class TStringTableRows;
class ThiStringTable;

class FileKeeper : public QObject {
public:
    FileKeeper() = default;
    ~FileKeeper() override;
    FileKeeper(const FileKeeper&) = delete;
    FileKeeper& operator=(const FileKeeper&) = delete;

    // Starts guarding: the main window (its title and close requests, the owner of the
    // questions) and the main table (whose rows a save that keeps the lines writes itself).
    void Watch(QWidget* mainWindow, const QString& caption, ThiStringTable& mainTable);

    void doOpen(TData& d, uint16_t index);
    void doSave(TData& d, uint16_t index);
    void doAskFirst(TData& d, uint16_t index);
    void doSaveAs(TData& d, uint16_t index);
    void doShowUnsaved(TData& d, uint16_t index);
    void ByteOrderMark(TData& d, uint16_t index);

    // Changes of the open file that are not saved yet.
    bool Modified() const;
    // The open file's path (empty: nothing is open) and its bytes as read, for what reads the
    // file again as the game does.
    const Bytes& OpenPath() const { return path_; }
    std::string_view OpenBytes() const { return check_.content.view(); }

    THI_Event onOpen;
    THI_Event onSave;
    THI_Event onNothingOpen;
    THI_Event onSaved;
    THI_Event onWriteTo;
    THI_Event onAddFile;
    THI_Event onShowFiles;
    THI_Event onFileIndex;
    THI_Event KeepLines;
    THI_Event Unsaved;
    THI_Event Files;
    std::vector<THI_Event> onGoAhead = std::vector<THI_Event>(3);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks what to do with unsaved changes; false when the action must not go on. "Discard"
    // closes the open file when `closeOnDiscard`.
    bool SettleUnsavedChanges(bool closeOnDiscard);
    bool Save();
    // False, with the reason told, when nothing is open or the open file must not be written.
    bool CanSave() const;
    // Writes the main table to `path` (through onSave, the writer's own path, unless the lines
    // are kept); false, with the reason told, when nothing was written.
    bool WriteTo(const Bytes& path);
    bool Confirm(const QString& question) const;
    // The entry of the file list that names the same file as `path`, or -1.
    int ListedAt(const Bytes& path);
    void Close();
    void Opened(const Bytes& path, const TextFileCheck& check);
    void Saved();
    void UpdateTitle();
    void Tell(const QString& text) const;
    QString Shown(const Bytes& path) const;
    bool HasByteOrderMark() const;
    // Whether the main rows are the file's lines, one for one: the file has as many row lines
    // as there were rows when the load ended. Counted at the first save that asks, not on open.
    bool KeepsLines();

    QWidget* window_ = nullptr;
    QString caption_;
    TStringTableRows* rows_ = nullptr;
    Bytes path_;  // empty: nothing is open
    TextFileCheck check_;  // holds the file's bytes as read
    TextEncoding encoding_ = TextEncoding::Cp1251;  // the one it was read in
    int loadedRows_ = -1;  // the main rows when the load ended (-1: nothing loaded)
    std::optional<bool> keepsLines_;  // KeepsLines, once counted
    FileStamp onDisk_;  // the file as the editor last read or wrote it
};
