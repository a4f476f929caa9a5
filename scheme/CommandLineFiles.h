// The files named on the editor's command line ("morvane FILE...", which is also how a file
// manager's "Open With" starts it).
#pragma once

class TClassMainForm_12C49D4;

// Adds the files named by argv[1..argc-1] to the file list in their order, as a drop adds
// them, then opens the first of them as a double click on its name does: "FileIndex" names its
// entry, and a file that cannot be read is reported the same way. A relative path is taken from
// the current folder; a name that code page 1251 cannot write is left out with one line on
// standard error, and an empty argument names nothing. Call it once the start-up run is over.
void OpenCommandLineFiles(TClassMainForm_12C49D4& scheme, int argc, const char* const* argv);
