#include "dialogs/WendAboutDlg.h"

#include "dialogs/ProjectRCVersion.h"
#include "resources/AboutDialog.h"

namespace {

// The version line is read through a buffer of 128 characters.
constexpr size_t VersionTextLimit = 127;

}  // namespace

TWendAboutDlg::TWendAboutDlg(TWindow* parent, const std::string& modulePath)
    : TDialog(parent, AboutDialog()), ModulePath(modulePath), Version(*this, IDC_VERSION, VersionTextLimit),
      Copyright(*this, IDC_COPYRIGHT, VersionTextLimit), Contact(*this, IDC_CONTACT, VersionTextLimit)
{
}

void TWendAboutDlg::SetupWindow()
{
    TDialog::SetupWindow();
    const TProjectRCVersion version(ModulePath);
    std::string_view name, number, text;
    // The product name must be there, though the line shows only the number.
    if (version.ProductName(name) && version.ProductVersion(number))
        Version.SetText(Version.GetText() + " " + std::string(number));
    if (version.LegalCopyright(text))
        Copyright.SetText(std::string(text));
    if (version.SpecialBuild(text))
        Contact.SetText(std::string(text));
}
