#include "documents/TQtFileDialogs.h"

#include "filetypes/DialogFilters.h"

#include <QFileDialog>

namespace {

void prepare(QFileDialog &dialog, const QString &title, const QString &filter, const QString &startFolder)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(title);
    dialog.setNameFilters(FilterStringToQtFilters(filter));
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
}

} // namespace

QStringList TQtFileDialogs::OpenFiles(const TOpenFilesRequest &request)
{
    QFileDialog dialog(m_parent);
    prepare(dialog, request.title, request.filter, request.startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<QString> TQtFileDialogs::SaveFile(const TSaveFileRequest &request)
{
    QFileDialog dialog(m_parent);
    prepare(dialog, request.title, request.filter, request.startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is asked by the save itself, with the program's own text.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(request.defaultExtension);
    const QStringList filters = dialog.nameFilters();
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
