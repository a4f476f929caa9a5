#include "components/window/FileKeeper.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <new>

#include "components/window/ThiStringTable.h"
#include "layout/KeepLinesWriter.h"
#include "layout/SourceLines.h"
#include "objlib/FileHandover.h"
#include "objlib/qt/Cp1251Input.h"
#include "objlib/qt/FileText.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

// Why a file could not be read or written, as the end of a sentence.
QString ReasonOf(FileError error) {
    switch (error) {
    case FileError::None:
        break;
    case FileError::NoPath:
        return Morvane::tr("не указано имя файла");
    case FileError::NotFound:
        return Morvane::tr("файл не найден");
    case FileError::IsFolder:
        return Morvane::tr("это папка, а не файл");
    case FileError::NotRegular:
        return Morvane::tr("это не обычный файл");
    case FileError::NoAccess:
        return Morvane::tr("нет доступа");
    case FileError::ReadOnlyVolume:
        return Morvane::tr("диск доступен только для чтения");
    case FileError::NoSpace:
        return Morvane::tr("на диске нет места");
    case FileError::TooLarge:
        return Morvane::tr("файл превысил допустимый размер");
    case FileError::OutOfMemory:
        return Morvane::tr("не хватает памяти");
    case FileError::LinkLoop:
        return Morvane::tr("слишком много символических ссылок");
    case FileError::InputOutput:
        break;
    }
    return Morvane::tr("ошибка ввода-вывода");
}

enum class Answer { Save, Discard, Cancel };

Answer AskToSave(QWidget* parent, const QString& caption, const QString& name) {
    QMessageBox box(QMessageBox::Question, caption, Morvane::tr("Сохранить изменения в файле «%1»?").arg(name),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(Morvane::tr("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(Morvane::tr("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(Morvane::tr("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return Answer::Save;
    if (box.clickedButton() == discard) return Answer::Discard;
    return Answer::Cancel;
}

bool AskToOverwrite(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
    QPushButton* overwrite = box.addButton(Morvane::tr("Записать"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(Morvane::tr("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == overwrite;
}

}  // namespace

void FileKeeper::Watch(QWidget* mainWindow, const QString& caption, ThiStringTable& mainTable) {
    window_ = mainWindow;
    caption_ = caption;
    rows_ = &mainTable.Rows();
    // Asked before the main form's own handling of the close, which ends the program.
    window_->installEventFilter(this);
}

// The boundary's encoding outlives no open file; the boxes go with the window.
FileKeeper::~FileKeeper() { SetFileTextEncoding(TextEncoding::Cp1251); }

bool FileKeeper::Modified() const { return !path_.empty() && PullInteger(Unsaved) != 0; }

void FileKeeper::doOpen(TData& d, uint16_t) {
    const Bytes path = ToString(d);
    if (!SettleUnsavedChanges(true)) return;
    // The file open until now is given up either way: its bytes need not stay while the next
    // one is read and its rows are built.
    check_ = TextFileCheck();
    const TextFileCheck check = CheckTextFile(path);
    FileError error = check.error;
    if (check.Readable()) {
        encoding_ = DetectTextEncoding(check.content.view());
        SetFileTextEncoding(encoding_);  // the rows are shown in it from the first one on
        RecheckFileTextBoxes();
        try {
            const FileHandover checked(path, check.content, check.stamp);  // parsed as checked, read once
            RaiseString(onOpen, path);
        } catch (const std::bad_alloc&) {
            error = FileError::OutOfMemory;
        }
    }
    if (error != FileError::None) {
        Close();
        Tell(Morvane::tr("Не удалось открыть файл «%1»: %2.").arg(Shown(path), ReasonOf(error)));
        return;
    }
    Opened(path, check);
    if (!check.Whole())
        Tell(Morvane::tr("В файле «%1» есть нулевой байт (позиция %2): текст после него не показан. "
                         "Такой файл нельзя сохранить, иначе эта часть пропадёт.")
                 .arg(Shown(path))
                 .arg(check.nulOffset));
}

void FileKeeper::doSave(TData&, uint16_t) { Save(); }

void FileKeeper::doShowUnsaved(TData&, uint16_t) { UpdateTitle(); }

void FileKeeper::ByteOrderMark(TData& d, uint16_t) {
    SetString(d, check_.content.substr(0, ByteOrderMarkOf(check_.content.view()).size()));
}

void FileKeeper::doAskFirst(TData& d, uint16_t index) {
    if (index >= onGoAhead.size() || !SettleUnsavedChanges(true)) return;
    RaiseEvent(onGoAhead[index], d);
}

bool FileKeeper::SettleUnsavedChanges(bool closeOnDiscard) {
    if (!Modified()) return true;
    switch (AskToSave(window_, caption_, Shown(path_))) {
    case Answer::Save:
        return Save();
    case Answer::Discard:
        if (closeOnDiscard) Close();
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool FileKeeper::Save() {
    if (!CanSave()) return false;
    const QString name = Shown(path_);
    FileStamp now;
    const bool exists = StampOfFile(path_, now);
    if (!exists && !Confirm(Morvane::tr("Файла «%1» больше нет на диске. Записать его заново?").arg(name))) return false;
    if (exists && now != onDisk_ &&
        !Confirm(Morvane::tr("Файл «%1» изменён на диске другой программой. Записать поверх него?").arg(name)))
        return false;
    if (!WriteTo(path_)) return false;
    Saved();
    return true;
}

bool FileKeeper::CanSave() const {
    if (path_.empty()) {
        Tell(Morvane::tr("Нет открытого файла: сохранять нечего."));
        return false;
    }
    if (!check_.Whole()) {
        Tell(Morvane::tr("Файл «%1» не сохранён: в нём есть нулевой байт, и текст после него пропал бы.")
                 .arg(Shown(path_)));
        return false;
    }
    return true;
}

bool FileKeeper::WriteTo(const Bytes& path) {
    ClearFileError();
    FileError error = FileError::None;
    try {
        if (PullInteger(KeepLines) == 1 && KeepsLines()) {
            SaveKeepingLines(path, check_.content, *rows_);
        } else {
            RaiseNull(onSave);
        }
        error = LastFileError();
    } catch (const std::bad_alloc&) {
        error = FileError::OutOfMemory;
    }
    if (error == FileError::None) return true;
    Tell(Morvane::tr("Не удалось сохранить файл «%1»: %2. Изменения остались в таблице.").arg(Shown(path), ReasonOf(error)));
    return false;
}

bool FileKeeper::Confirm(const QString& question) const { return AskToOverwrite(window_, caption_, question); }

void FileKeeper::Close() {
    path_ = Bytes();
    check_ = TextFileCheck();
    loadedRows_ = -1;
    keepsLines_.reset();
    encoding_ = TextEncoding::Cp1251;
    SetFileTextEncoding(encoding_);
    RecheckFileTextBoxes();
    RaiseString(onNothingOpen, Bytes());
    UpdateTitle();
}

void FileKeeper::Opened(const Bytes& path, const TextFileCheck& check) {
    path_ = path;
    check_ = check;
    // The load ends here, as EndLoad ends it; whether its rows match the lines one for one is
    // counted only when a save would keep them, not on every open.
    if (rows_) rows_->SealOrigins();
    loadedRows_ = rows_ ? rows_->Count() : -1;
    keepsLines_.reset();
    onDisk_ = check.stamp;
    NoteEncodingReadIn(path.view(), encoding_, HasByteOrderMark());
    UpdateTitle();
}

bool FileKeeper::KeepsLines() {
    if (!keepsLines_)
        keepsLines_ = loadedRows_ >= 0 && CountSourceLines(check_.content.view()) == static_cast<size_t>(loadedRows_);
    return *keepsLines_;
}

void FileKeeper::Saved() {
    StampOfFile(path_, onDisk_);
    RaiseNull(onSaved);
    UpdateTitle();
}

void FileKeeper::UpdateTitle() {
    if (!window_) return;
    // "[*]" is where the platform shows the modified mark.
    if (path_.empty()) {
        window_->setWindowTitle(caption_);
    } else {
        const std::string_view path = path_.view();
        // cp1251 goes without saying; a UTF-8 file is named so.
        const QString encoding =
            encoding_ == TextEncoding::Utf8 ? " (" + EncodingShown(encoding_, HasByteOrderMark()) + ")" : QString();
        window_->setWindowTitle(ToQString(path.substr(path.rfind('/') + 1)) + encoding + "[*] - " + caption_);
    }
    window_->setWindowModified(Modified());
}

void FileKeeper::Tell(const QString& text) const {
    QMessageBox box(QMessageBox::Warning, caption_, text, QMessageBox::Ok, window_);
    box.exec();
}

QString FileKeeper::Shown(const Bytes& path) const { return ToQString(path.view()); }

bool FileKeeper::HasByteOrderMark() const { return !ByteOrderMarkOf(check_.content.view()).empty(); }

bool FileKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close && !SettleUnsavedChanges(false)) {
        event->ignore();
        return true;
    }
    return false;
}
