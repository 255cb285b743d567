// Helpers shared by the text core tests: rows from strings and back, the
// notation of the worked examples, and a temporary folder.
#pragma once

#include "core/LineArray.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace texttest {

// Rows written as in the examples: · is a space, ¶ a line feed, → a tab.
inline std::string Plain(const std::string& noted)
{
    std::string out;
    for (size_t i = 0; i < noted.size(); ++i) {
        if (noted.compare(i, 2, "\xC2\xB7") == 0) {
            out += ' ';
            i += 1;
        } else if (noted.compare(i, 2, "\xC2\xB6") == 0) {
            out += '\n';
            i += 1;
        } else if (noted.compare(i, 3, "\xE2\x86\x92") == 0) {
            out += '\t';
            i += 2;
        } else {
            out += noted[i];
        }
    }
    return out;
}

inline std::vector<std::string> Plain(const std::vector<std::string>& noted)
{
    std::vector<std::string> out;
    for (const std::string& row : noted)
        out.push_back(Plain(row));
    return out;
}

inline void SetRows(THELineArray& lines, const std::vector<std::string>& rows)
{
    lines.Clear();
    for (const std::string& row : rows)
        lines.Append(TRow(row));
}

// Rows that view one contiguous text in the array's blocks, as loaded rows do.
inline void SetViewRows(THELineArray& lines, const std::vector<std::string>& rows)
{
    lines.Clear();
    std::string all;
    for (const std::string& row : rows)
        all += row;
    const char* text = lines.Arena().Store(all.data(), all.size());
    for (const std::string& row : rows) {
        lines.Append(TRow::ViewOf(text, row.size()));
        text += row.size();
    }
}

inline std::vector<std::string> RowsOf(const THELineArray& lines)
{
    std::vector<std::string> rows;
    for (TRowIndex i = 0; i < lines.Size(); ++i)
        rows.push_back(lines[i].str());
    return rows;
}

inline std::string TextOf(const THELineArray& lines)
{
    std::string text;
    for (TRowIndex i = 0; i < lines.Size(); ++i)
        text += lines[i].View();
    return text;
}

// The rows of a text with word wrap off: one per line.
inline std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> rows;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        rows.push_back(text.substr(start, end - start));
        start = end;
    }
    if (rows.empty())
        rows.push_back("");
    return rows;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder, removed with everything in it.
class TTempDir {
public:
    TTempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantor-test-XXXXXX").string();
        Path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TTempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(Path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(Path, ignored);
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    std::string operator/(const std::string& name) const { return Path + "/" + name; }
    std::string Path;
};

}  // namespace texttest
