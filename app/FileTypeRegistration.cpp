#include "app/FileTypeRegistration.h"

#include "framework/ConfigFolder.h"
#include "framework/DefaultApplications.h"
#include "framework/DesktopTool.h"
#include "framework/TextFile.h"
#include "resources/AppIcon.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr int ToolTimeoutMs = 5000;
constexpr const char* PlainText = "text/plain";

// What a typical file of each kind holds: desktops that look inside a file
// as well as at its name then answer as they would for the user's files.
struct TSampleFile {
    const char* Name;
    const char* Text;
};
constexpr TSampleFile SampleFiles[] = {
    {"sample.ini", "[Settings]\nName=Value\n"},
    {"sample.inf", "[Version]\nSignature=\"$Windows NT$\"\n"},
};

// A folder of its own for the sample files, removed afterwards.
class TSampleFolder {
public:
    TSampleFolder()
    {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "vantor-types-XXXXXX").string();
        if (!error && mkdtemp(pattern.data()))
            Path = pattern;
    }
    ~TSampleFolder()
    {
        std::error_code error;
        if (!Path.empty())
            fs::remove_all(Path, error);
    }
    TSampleFolder(const TSampleFolder&) = delete;
    TSampleFolder& operator=(const TSampleFolder&) = delete;

    std::string Path;
};

bool IsTokenCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("!#$&^_.+-").find(c) != std::string_view::npos;
}

// A type/subtype answer that names a kind of document.
bool IsDocumentType(const std::string& type)
{
    const size_t slash = type.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == type.size() ||
        !std::all_of(type.begin(), type.begin() + slash, IsTokenCharacter) ||
        !std::all_of(type.begin() + slash + 1, type.end(), IsTokenCharacter))
        return false;
    return type.compare(0, slash, "inode") != 0 && type != "application/octet-stream";
}

std::string FirstLine(const std::string& text)
{
    std::string line = text.substr(0, text.find('\n'));
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.pop_back();
    return line;
}

std::optional<std::string> DesktopTypeOf(const std::string& file)
{
    const std::optional<std::string> answer = DesktopTool::Output("xdg-mime", {"query", "filetype", file}, ToolTimeoutMs);
    const std::string type = answer ? FirstLine(*answer) : std::string();
    return IsDocumentType(type) ? std::optional<std::string>(type) : std::nullopt;
}

// The application the desktop now opens a type with; empty when none.
std::string DesktopDefaultFor(const std::string& type)
{
    const std::optional<std::string> answer = DesktopTool::Output("xdg-mime", {"query", "default", type}, ToolTimeoutMs);
    const std::string id = answer ? FirstLine(*answer) : std::string();
    const bool isEntry = id.size() > 8 && id.compare(id.size() - 8, 8, ".desktop") == 0 &&
                         id.find_first_of("/;= \t") == std::string::npos;
    return isEntry ? id : std::string();
}

}  // namespace

TDesktopEntry EditorDesktopEntry(const std::string& program, const std::vector<std::string>& mimeTypes,
                                 const std::string& icon)
{
    TDesktopEntry entry;
    entry.Name = "Vantor";
    entry.GenericName = "Text Editor";
    entry.Comment = "Edit very large plain text files";
    entry.Icon = icon;
    entry.Exec = {{program}, "%f"};
    entry.MimeTypes = mimeTypes;
    entry.Categories = {"Utility", "TextEditor"};
    entry.Actions = {{"Print", "Print", {{program, "-p"}, "%f"}}};
    return entry;
}

std::vector<std::string> EditorMimeTypes()
{
    std::vector<std::string> types{PlainText};
    const TSampleFolder folder;
    if (folder.Path.empty())
        return types;
    for (const TSampleFile& sample : SampleFiles) {
        const std::string path = folder.Path + "/" + sample.Name;
        if (!WriteTextFile(path, sample.Text))
            continue;
        const std::optional<std::string> type = DesktopTypeOf(path);
        if (type && std::find(types.begin(), types.end(), *type) == types.end())
            types.push_back(*type);
    }
    return types;
}

std::string EditorIcon(const std::string& programPath)
{
    const fs::path folder = fs::path(programPath).parent_path();
    const std::string file = AppIconThemeFile(AppIconSizes.back());
    for (const fs::path& icons : {folder / "icons", folder / ".." / "share" / "icons"}) {
        std::error_code error;
        const fs::path candidate = (icons / file).lexically_normal();
        if (fs::is_regular_file(candidate, error))
            return candidate.string();
    }
    return AppIconName;
}

std::string UserEntryFile()
{
    const std::string base = UserDataHome();
    return base.empty() ? std::string() : base + "/applications/" + EditorDesktopId;
}

std::string DefaultApplicationsFile()
{
    const std::string base = UserConfigHome();
    return base.empty() ? std::string() : base + "/mimeapps.list";
}

void RegisterFileTypes(bool install, const std::string& programPath)
{
    const std::string listFile = DefaultApplicationsFile();
    if (!install) {
        if (!listFile.empty())
            RemoveDefaultApplication(listFile, EditorDesktopId);
        return;
    }
    const std::string entryFile = UserEntryFile();
    if (programPath.empty() || entryFile.empty() || listFile.empty())
        return;
    const std::vector<std::string> types = EditorMimeTypes();
    // Asked before the entry is written: a new entry may itself become the
    // desktop's answer.
    std::vector<TDefaultChoice> choices;
    for (const std::string& type : types)
        choices.push_back({type, DesktopDefaultFor(type)});
    const std::string text = EditorDesktopEntry(programPath, types, EditorIcon(programPath)).Text();
    if (ReadTextFile(entryFile, text.size() + 1) != text && !WriteTextFile(entryFile, text))
        return;
    SetDefaultApplication(listFile, choices, EditorDesktopId);
    DesktopTool::Run("update-desktop-database", {"-q", fs::path(entryFile).parent_path().string()}, ToolTimeoutMs);
}
