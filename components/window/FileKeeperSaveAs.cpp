// FileKeeper's "Сохранить как...": the open file saved under another name, which then becomes
// the open file.
#include <QDir>

#include "components/window/FileKeeper.h"
#include "components/window/SaveAsDialog.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

QString AbsoluteClean(const QString& path) { return QDir::cleanPath(QDir::current().absoluteFilePath(path)); }

// Two paths name the same file when they are one path, or lead to one file on disk (links).
bool SameFile(const Bytes& a, const Bytes& b) {
    FileStamp first, second;
    if (StampOfFile(a, first) && StampOfFile(b, second))
        return first.device == second.device && first.inode == second.inode;
    return AbsoluteClean(ToQString(a.view())) == AbsoluteClean(ToQString(b.view()));
}

}  // namespace

void FileKeeper::doSaveAs(TData&, uint16_t) {
    if (!CanSave()) return;
    const QString chosen = AskSaveAsPath(window_, AbsoluteClean(Shown(path_)));
    if (chosen.isEmpty()) return;
    std::string cp1251;
    if (!FromQString(chosen, cp1251)) {
        Tell(Morvane::tr("Имя файла «%1» нельзя записать в cp1251. Выберите другое имя.").arg(chosen));
        return;
    }
    const Bytes target(cp1251);
    if (SameFile(target, path_)) {
        Save();
        return;
    }
    int entry = ListedAt(target);
    FileStamp onDisk;
    const QString question = entry >= 0 ? Morvane::tr("Файл «%1» есть в списке. Записать поверх него?")
                             : StampOfFile(target, onDisk) ? Morvane::tr("Файл «%1» уже существует. Записать поверх него?")
                                                           : QString();
    if (!question.isEmpty() && !Confirm(question.arg(chosen))) return;

    RaiseString(onWriteTo, target);
    if (!WriteTo(target)) {
        RaiseString(onWriteTo, path_);  // later saves still go to the open file
        return;
    }
    path_ = target;
    Saved();
    if (entry < 0) {
        TArrayIntf* files = ReadArray(Files);
        entry = files ? ArrayCount(*files) : 0;
        RaiseString(onAddFile, target);
        RaiseNull(onShowFiles);
    }
    RaiseInteger(onFileIndex, entry);
}

int FileKeeper::ListedAt(const Bytes& path) {
    TArrayIntf* files = ReadArray(Files);
    if (!files) return -1;
    for (int32_t i = 0; i < ArrayCount(*files); ++i) {
        TData index, item;
        SetInteger(index, i);
        if (ArrayGet(*files, index, item) && !ToString(item).empty() && SameFile(ToString(item), path)) return i;
    }
    return -1;
}
