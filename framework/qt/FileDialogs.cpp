// The Open and Save As dialogs on QFileDialog, non-native so that they
// work the same under any desktop (and under Xvfb).
#include "framework/Dialogs.h"
#include "framework/qt/FileDialogFilter.h"
#include "framework/qt/PlatformContext.h"
#include "framework/qt/QtWindowPeer.h"

#include <QFile>
#include <QFileDialog>

namespace {

void Prepare(QFileDialog& dialog, const TOpenSaveData& data)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = FileDialogFilter::NameFilters(data.Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!data.InitialDir.empty())
        dialog.setDirectory(QFile::decodeName(data.InitialDir.c_str()));
    if (!data.FileName.empty())
        dialog.selectFile(QFile::decodeName(data.FileName.c_str()));
}

// Cancel is no error: Error stays 0 and the name is left as it was.
bool Run(QFileDialog& dialog, TOpenSaveData& data)
{
    data.Error = 0;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    data.FileName = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

}  // namespace

bool RunFileOpenDialog(TWindow* owner, TOpenSaveData& data)
{
    PlatformContext::Get();
    QFileDialog dialog(QtWindowPeer::TopLevelOf(owner), QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(data.Flags & OFN_FILEMUSTEXIST ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    Prepare(dialog, data);
    return Run(dialog, data);
}

// The chosen name gets the default extension when it has none. The dialog
// adds it itself, before it asks whether an existing file of that name is
// to be replaced: a slip in the dialog must not destroy another file.
bool RunFileSaveDialog(TWindow* owner, TOpenSaveData& data)
{
    PlatformContext::Get();
    QFileDialog dialog(QtWindowPeer::TopLevelOf(owner), QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const std::string ext = data.DefExt.starts_with('.') ? data.DefExt.substr(1) : data.DefExt;
    dialog.setDefaultSuffix(QString::fromStdString(ext));
    Prepare(dialog, data);
    if (!Run(dialog, data))
        return false;
    data.FileName = FileDialogFilter::WithDefaultExtension(data.FileName, data.DefExt);
    return true;
}
