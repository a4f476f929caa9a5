// The open file's text where it meets Qt.
//
// The rows, their cells, the comment box and the search box hold the open file's bytes as
// they were read; those bytes become Qt strings, and what the user types becomes bytes, here
// and only here, in the encoding the file was read in (TextEncoding.h). The file keeper says
// which encoding that is when a file opens or closes; with no file open it is code page 1251,
// in which table files are written. Captions, hints, list items and paths are the system's
// own cp1251 text and go through QtText.h.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "objlib/TextEncoding.h"

// The boxes that hold the open file's text are checked again by RecheckFileTextBoxes
// (Cp1251Input.h), which the keeper calls after a file opened or closed.
void SetFileTextEncoding(TextEncoding encoding);
TextEncoding FileTextEncoding();

// A cell's bytes as Qt shows them. Bytes that are no UTF-8 in a UTF-8 file show as U+FFFD.
QString FileTextToQString(std::string_view bytes);
// Typed text as the open file stores it: false when the file's encoding cannot hold one of its
// characters (only cp1251 refuses any); `bytes` is then unspecified.
bool FileTextFromQString(const QString& text, std::string& bytes);
// Whether the open file's encoding can hold `character`.
bool CanWriteFileText(char32_t character);

// Remembers, for the file list's tooltips, that the file at `path` (cp1251) was read in
// `encoding`, with or without a byte-order mark.
void NoteEncodingReadIn(std::string_view path, TextEncoding encoding, bool mark);
// What the tooltip of a file's name in the list says: its path, then, once the editor has opened it,
// the encoding it was read in ("Кодировка: UTF-8 с BOM").
QString FileToolTip(std::string_view path);
// The encoding as the user is told it: "cp1251", "UTF-8" or "UTF-8 с BOM".
QString EncodingShown(TextEncoding encoding, bool mark);
