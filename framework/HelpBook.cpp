#include "framework/HelpBook.h"

#include "framework/ProgramFile.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ProgramFolder()
{
    const std::string self = ProgramFile();
    return self.empty() ? std::string() : std::filesystem::path(self).parent_path().string();
}

std::vector<std::string> SplitPath(const char* value, const char* fallback)
{
    const std::string text = value && *value ? value : fallback;
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ':');)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

std::optional<uint32_t> ContextNumber(const std::string& word)
{
    if (word.empty() || word.size() > 10 || word.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long long value = std::stoull(word);
    return value <= UINT32_MAX ? std::optional<uint32_t>(uint32_t(value)) : std::nullopt;
}

void AppendText(std::string& out, char c)
{
    const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (!blank)
        out += c;
    else if (!out.empty() && out.back() != ' ')
        out += ' ';
}

}  // namespace

std::vector<std::string> THelpBook::Folders()
{
    std::vector<std::string> folders;
    if (const std::string program = ProgramFolder(); !program.empty()) {
        folders.push_back(program + "/help");
        folders.push_back(program + "/../share/vantor/help");
    }
    const char* home = std::getenv("HOME");
    const std::string dataHome = home ? std::string(home) + "/.local/share" : std::string();
    for (const std::string& dir : SplitPath(std::getenv("XDG_DATA_HOME"), dataHome.c_str()))
        folders.push_back(dir + "/vantor/help");
    for (const std::string& dir : SplitPath(std::getenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share"))
        folders.push_back(dir + "/vantor/help");
    return folders;
}

std::optional<THelpBook> THelpBook::Find(const std::string& helpFile)
{
    // Only a plain file name is looked up in the folders.
    if (helpFile.empty() || helpFile.find('/') != std::string::npos)
        return helpFile.empty() ? std::nullopt : Load(helpFile);
    for (const std::string& folder : Folders())
        if (access((folder + "/" + helpFile).c_str(), R_OK) == 0)
            return Load(folder + "/" + helpFile);
    return std::nullopt;
}

std::optional<THelpBook> THelpBook::Load(const std::string& indexPath)
{
    std::ifstream in(indexPath);
    if (!in)
        return std::nullopt;
    const std::string folder = std::filesystem::path(indexPath).parent_path().string();
    auto pagePath = [&folder](const std::string& page) { return folder.empty() ? page : folder + "/" + page; };
    THelpBook book;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string key, page;
        if (!(words >> key >> page) || key[0] == '#')
            continue;
        if (key == "contents")
            book.Contents = pagePath(page);
        else if (key == "helponhelp")
            book.HelpOnHelp = pagePath(page);
        else if (const auto context = ContextNumber(key))
            book.TopicPages[*context] = pagePath(page);
    }
    if (book.Contents.empty())
        return std::nullopt;
    return book;
}

std::string THelpBook::TopicPage(uint32_t context) const
{
    const auto found = TopicPages.find(context);
    return found == TopicPages.end() ? std::string() : found->second;
}

std::string HelpPageText(const std::string& pagePath)
{
    std::ifstream in(pagePath, std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    static const std::pair<const char*, char> Entities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&nbsp;", ' '}};
    std::string text;
    bool inTag = false;
    // The head holds no text a reader sees.
    const size_t body = html.find("<body");
    for (size_t i = body == std::string::npos ? 0 : body; i < html.size(); ++i) {
        const char c = html[i];
        if (inTag) {
            inTag = c != '>';
            if (!inTag)
                AppendText(text, ' ');
            continue;
        }
        if (c == '<') {
            inTag = true;
            continue;
        }
        char out = c;
        if (c == '&')
            for (const auto& [name, value] : Entities)
                if (html.compare(i, std::strlen(name), name) == 0) {
                    out = value;
                    i += std::strlen(name) - 1;
                    break;
                }
        AppendText(text, out);
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text.substr(text.empty() || text[0] != ' ' ? 0 : 1);
}
