#include "components/window/SaveAsDialog.h"

#include <QFileDialog>

#include "objlib/FileSystem.h"

QString AskSaveAsPath(QWidget* parent, const QString& current) {
    const QString ltxFiles = QString::fromUtf8("Файлы LTX (*.ltx)");
    const QString allFiles = QString::fromUtf8("Все файлы (*)");
    QFileDialog dialog(parent, QString::fromUtf8("Сохранить как"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({ltxFiles, allFiles});
    // A file of another kind stays visible beside its own name.
    dialog.selectNameFilter(current.endsWith(".ltx", Qt::CaseInsensitive) ? ltxFiles : allFiles);
    dialog.setDefaultSuffix("ltx");
    // Qt's own dialog, where the platform has none, speaks the editor's language too.
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("Отмена"));
    dialog.selectFile(current);
    // The dialog writes its settings as it closes: a file-size limit must not end the editor there.
    LetWritesBeyondTheSizeLimitFail();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}
