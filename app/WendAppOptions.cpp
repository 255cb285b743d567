// Edit, Options: the modal sheet that edits the settings record.
#include "app/WendApp.h"

#include "core/HugeEdit.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/HEPropertySheet.h"
#include "dialogs/StyleInfo.h"
#include "framework/Dialogs.h"
#include "framework/Frame.h"
#include "print/HugeEditPrinter.h"

#include <exception>

void TWendApp::CmOptions()
{
    try {
        THEPropertySheet sheet(Editor, "Options", 0);
        const TGeneralSettings general{Settings.Wrap, Settings.Dos, Settings.Installed, Settings.AutoIndent,
                                       Settings.UndoLimit};
        sheet.AddPage(std::make_unique<TGeneralPage>(
            sheet, "General", general, [this](bool install) { RegisterEditor(install); }, *GetMainWindow()));
        sheet.AddPage(std::make_unique<TStyleInfo>(sheet, "Text", Settings.WinText, Printer.get()));
        sheet.AddPage(std::make_unique<TStyleInfo>(sheet, "Dos Text", Settings.DosText, Printer.get()));
        sheet.Execute();
    } catch (const std::exception& error) {
        MessageBox(Editor, error.what(), "Error", MB_OK);
    }
}
