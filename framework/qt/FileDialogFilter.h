// The file dialogs' record in the toolkit's terms: "Description|pattern|"
// pairs become Qt's name filters, and the default extension's rule.
#pragma once

#include <QStringList>

#include <string>

namespace FileDialogFilter {

// "Text files|*.txt;*.ini|All files|*.*|" gives "Text files (*.txt *.ini)"
// and "All files (*)": "*.*" means every file, as it does on the window system.
QStringList NameFilters(const std::string& filter);

// path with "." and defExt added when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& defExt);

}  // namespace FileDialogFilter
