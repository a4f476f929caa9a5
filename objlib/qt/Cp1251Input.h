// The one policy for characters an edit box's text cannot be stored with, the same in every box.
//
// Text stored as code page 1251 bytes (captions, list files, paths, and the open file's text
// when the file is in cp1251) has no byte for most characters. Such a character is refused as
// it is typed or pasted (the rest of a paste is kept), and the box is marked with the character
// it refused (BoxMark.h), so nothing is stored differently from what the user sees. U+FFFD,
// which stands for the unassigned byte of a text read from a file, is left alone: the box shows
// what the file holds. A UTF-8 file can store every character, so its boxes refuse none.
#pragma once

class QLineEdit;
class QPlainTextEdit;

void AcceptCp1251Only(QLineEdit& box);
void AcceptCp1251Only(QPlainTextEdit& memo);

// For a box that holds the open file's text (FileText.h): what that file's encoding can hold.
void AcceptFileTextOnly(QLineEdit& box);
// After that encoding changed: takes out of every such box what the new encoding cannot hold and
// marks the box, as typing would; the box reports no change, since the user typed nothing.
void RecheckFileTextBoxes();
