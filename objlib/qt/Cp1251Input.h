// What a single-line box accepts when its text is to be stored as code page 1251 bytes.
//
// A character the code page has no byte for is refused as it is typed or pasted (the rest of a
// paste is kept), and the box is marked with the character it refused (BoxMark.h), so nothing
// is stored differently from what the user sees. U+FFFD, which stands for the unassigned byte
// of a text read from a file, is left alone: the box shows what the file holds.
#pragma once

class QLineEdit;

void AcceptCp1251Only(QLineEdit& box);
