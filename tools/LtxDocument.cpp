#include "tools/LtxDocument.h"

#include "layout/KeepLinesWriter.h"
#include "layout/SourceLines.h"
#include "objlib/FileHandover.h"
#include "objlib/TextEncoding.h"
#include "scheme/TClassMultiElementEx_12D3344.h"
#include "scheme/TClassMultiElementEx_1B35490.h"

namespace {

void ConfigureMainRows(TStringTableRows& rows) {
    rows.Delimiter = '\t';
    rows.ColorDelimiter = '#';
    rows.ColorPrefix = true;
    for (const char* caption : {"\xF2\xE8\xEF", "\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0", "\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5",
                                "\xEA\xEE\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9"})
        rows.AddColumn(caption);
}

void ConfigureContentsRows(TStringTableRows& rows) {
    rows.Delimiter = '+';
    rows.ColorDelimiter = '#';
    rows.ColorPrefix = false;
    rows.AddColumn("\xE8\xED\xE4\xE5\xEA\xF1");
    rows.AddColumn("\xF1\xE5\xEA\xF6\xE8\xFF");
}

}  // namespace

LtxDocument::LtxDocument() : parser_(nullptr), writer_(nullptr) {
    ConfigureMainRows(MainRows);
    ConfigureContentsRows(ContentsRows);

    contentsEntry_.Mask = "%1+%2";
    contentsEntry_.SetDataCount(2);
    contentsEntry_.SkipInserted = 1;
    contentsEntry_.Str[0] = Point<&LtxDocument::MainCount>(*this);
    contentsEntry_.onFString = Point<&LtxDocument::doAddContents>(*this);

    writer_.SetFactory(&MakeScheme<TClassMultiElementEx_1B35490>);
    writer_.SetDataCount(2);
    writer_.DataPoints[0] = Point<&LtxDocument::MainArray>(*this);
    writer_.DataPoints[1] = Point<&LtxDocument::ByteOrderMark>(*this);

    parser_.SetFactory(&MakeScheme<TClassMultiElementEx_12D3344>);
    parser_.SetEventCount(3);
    parser_.EventPoints[0] = Point<&THIFormatStr::doString>(contentsEntry_);
    parser_.EventPoints[1] = Point<&LtxDocument::doAddRow>(*this);
    parser_.EventPoints[2] = Point<&LtxDocument::doLoaded>(*this);
}

bool LtxDocument::Open(const Bytes& path) {
    CheckFile(path);
    if (!OpenChecked(path, check_.content)) return false;
    // The load ends here; whether its rows match the lines one for one is counted only when
    // asked, as most callers never save keeping lines.
    MainRows.SealOrigins();
    loadedRows_ = MainRows.Count();
    return true;
}

bool LtxDocument::OpenForWholeSave(const Bytes& path) {
    CheckFile(path);
    // Nothing will be written over its lines: the parser alone takes the checked bytes.
    Bytes content = check_.Whole() ? std::move(check_.content) : Bytes();
    if (!OpenChecked(path, std::move(content))) return false;
    MainRows.SealOrigins();  // the load is over, as after Open
    return true;
}

void LtxDocument::CheckFile(const Bytes& path) {
    check_ = CheckTextFile(path);
    mark_ = Bytes(ByteOrderMarkOf(check_.content.view()));
}

bool LtxDocument::OpenChecked(const Bytes& path, Bytes content) {
    TData d;
    path_ = Bytes();
    loadedRows_ = -1;
    keepsLines_.reset();
    if (!check_.Whole()) {
        // As after opening an empty file with no name: empty stores and no target to save to.
        doLoaded(d, 0);
        return false;
    }
    SetString(d, path);
    const FileHandover checked(path, std::move(content), check_.stamp);  // parsed as checked, read once
    parser_.doWork(d, 0);
    path_ = path;
    return true;
}

bool LtxDocument::SaveKeepingLines() { return SaveKeepingLinesTo(path_); }

bool LtxDocument::SaveKeepingLinesTo(const Bytes& path) {
    ClearFileError();
    if (!KeepsLines() || path.empty()) return false;
    return ::SaveKeepingLines(path.view(), check_.content.view(), MainRows);
}

bool LtxDocument::Save() {
    ClearFileError();
    TData d;
    writer_.doWork(d, 0);
    return LastFileError() == FileError::None;
}

bool LtxDocument::SaveTo(const Bytes& path) {
    TData d;
    SetString(d, path);
    writer_.doWork(d, 1);
    return Save();
}

bool LtxDocument::KeepsLines() const {
    if (!keepsLines_)
        keepsLines_ = loadedRows_ >= 0 && CountSourceLines(check_.content.view()) == static_cast<size_t>(loadedRows_);
    return *keepsLines_;
}

void LtxDocument::doAddRow(TData& d, uint16_t) {
    Bytes spare;
    const Bytes& row = StringRef(d, spare);  // the record's own string: no handle per row
    if (listener_) listener_->Row(row);
    MainRows.AddOrReplace(row, -1, false);
}

void LtxDocument::doAddContents(TData& d, uint16_t) {
    Bytes entry = ToString(d);
    if (listener_) listener_->ContentsEntry(entry);
    ContentsRows.AddOrReplace(entry, -1, false);
}

void LtxDocument::doLoaded(TData& d, uint16_t) {
    MainRows.Clear();
    ContentsRows.Clear();
    writer_.doWork(d, 1);
}

void LtxDocument::MainCount(TData& d, uint16_t) { SetInteger(d, MainRows.Count()); }

void LtxDocument::MainArray(TData& d, uint16_t) { SetArray(d, MainRows.Array()); }

void LtxDocument::ByteOrderMark(TData& d, uint16_t) { SetString(d, mark_); }
