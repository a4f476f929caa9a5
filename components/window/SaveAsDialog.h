// The platform's file dialog, asking where the open file is to be saved under another name.
#pragma once

#include <QString>

class QWidget;

// Shows the dialog modally over `parent`: it starts in the folder of `current` (the open file's
// full path) with its name chosen, offers LTX files ("*.ltx") and all files, and adds ".ltx"
// to a name given without an extension. It asks nothing about existing files: the caller does,
// in its own words. Answers the chosen full path, or an empty string when the user cancelled.
QString AskSaveAsPath(QWidget* parent, const QString& current);
