#include "components/window/SaveAsDialog.h"

#include <QFileDialog>

#include "objlib/FileSystem.h"
#include "objlib/qt/Translation.h"

QString AskSaveAsPath(QWidget* parent, const QString& current) {
    const QString ltxFiles = Morvane::tr("Файлы LTX (*.ltx)");
    const QString allFiles = Morvane::tr("Все файлы (*)");
    QFileDialog dialog(parent, Morvane::tr("Сохранить как"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({ltxFiles, allFiles});
    // A file of another kind stays visible beside its own name.
    dialog.selectNameFilter(current.endsWith(".ltx", Qt::CaseInsensitive) ? ltxFiles : allFiles);
    dialog.setDefaultSuffix("ltx");
    // Qt's own dialog, where the platform has none, speaks the editor's language too.
    dialog.setLabelText(QFileDialog::LookIn, Morvane::tr("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, Morvane::tr("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, Morvane::tr("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, Morvane::tr("Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, Morvane::tr("Отмена"));
    dialog.selectFile(current);
    // The dialog writes its settings as it closes: a file-size limit must not end the editor there.
    LetWritesBeyondTheSizeLimitFail();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}
