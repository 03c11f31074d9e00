#include "dialogs/FileChooserDialog.h"

#include <QApplication>
#include <QFileDialog>

QString DialogFileChooser::choose(const FileChoice& choice)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setDirectory(choice.folder);
    dialog.setNameFilters(nameFilters(choice.filter));
    dialog.setDefaultSuffix(choice.defaultSuffix);
    // The desktop's own dialog speaks the desktop's language; the framework's speaks the
    // program's Chinese.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (choice.mode == FileChoice::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
