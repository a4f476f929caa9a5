#include "scheme/CommandLineFiles.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>

#include "objlib/qt/QtText.h"
#include "runtime/THIGlobalVar.h"
#include "scheme/TClassMainForm_12C49D4.h"
#include "scheme/TClassMultiElementEx_12C4A68.h"

namespace {

// The file list container's points, as its scheme numbers them.
enum FileListPoint : uint16_t { AddFile = 0, ShowList = 1, OpenCurrent = 6 };

// The argument as a clean absolute path in cp1251; false, with the line on standard error,
// when code page 1251 cannot write it.
bool AbsolutePath(const char* argument, std::string& cp1251) {
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(QFile::decodeName(argument)));
    if (FromQString(path, cp1251)) return true;
    std::fprintf(stderr, "morvane: file left out, its name cannot be written in code page 1251: %s\n",
                 qUtf8Printable(path));
    return false;
}

}  // namespace

void OpenCommandLineFiles(TClassMainForm_12C49D4& scheme, int argc, const char* const* argv) {
    THIMultiElementEx& fileList = scheme.FileListBox;
    const int32_t firstAdded =
        static_cast<TClassMultiElementEx_12C4A68*>(fileList.Inner->Scheme)->List.Lines().Count();
    bool added = false;
    for (int i = 1; i < argc; ++i) {
        std::string path;
        if (!*argv[i] || !AbsolutePath(argv[i], path)) continue;
        RaiseString(Point<&THIMultiElementEx::doWork>(fileList, AddFile), Bytes(path));
        added = true;
    }
    if (!added) return;
    RaiseNull(Point<&THIMultiElementEx::doWork>(fileList, ShowList));

    THIGlobalVar fileIndex;
    fileIndex.SetName("FileIndex");
    RaiseInteger(Point<&THIGlobalVar::doValue>(fileIndex), firstAdded);
    RaiseNull(Point<&THIMultiElementEx::doWork>(fileList, OpenCurrent));
}
