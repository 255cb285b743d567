#include "framework/DefaultApplications.h"

#include "framework/ProfileText.h"
#include "framework/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

namespace {

constexpr const char* Section = "Default Applications";
// The list is a small file; a huge one is left alone.
constexpr size_t MaxListBytes = size_t(1) << 20;

// A value: desktop entries separated by ";", usually with one at the end.
struct TAppList {
    std::vector<std::string> Apps;
    bool Terminated = true;

    explicit TAppList(std::string_view value)
    {
        Terminated = value.empty() || value.back() == ';';
        for (size_t start = 0; start < value.size();) {
            const size_t end = std::min(value.find(';', start), value.size());
            if (end > start)
                Apps.emplace_back(value.substr(start, end - start));
            start = end + 1;
        }
    }

    bool Holds(const std::string& app) const { return std::find(Apps.begin(), Apps.end(), app) != Apps.end(); }
    void Remove(const std::string& app) { Apps.erase(std::remove(Apps.begin(), Apps.end(), app), Apps.end()); }

    std::string Value() const
    {
        std::string value;
        for (const std::string& app : Apps)
            value += (value.empty() ? "" : ";") + app;
        return Terminated ? value + ";" : value;
    }
};

// Keys of the list are MIME types; a line starting with # is a comment.
bool IsComment(const std::string& key) { return !key.empty() && key.front() == '#'; }

using TEdit = std::function<std::string(const std::string&)>;

bool EditFile(const std::string& listFile, const TEdit& edit)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(listFile, error);
    const std::optional<std::string> before = exists ? ReadTextFile(listFile, MaxListBytes) : std::string();
    if (!before)
        return false;
    const std::string after = edit(*before);
    return after == *before || WriteTextFile(listFile, after);
}

}  // namespace

std::string WithDefaultApplication(const std::string& listText, const std::vector<TDefaultChoice>& choices,
                                   const std::string& desktopId)
{
    TProfileText text(listText);
    for (const TDefaultChoice& choice : choices) {
        TAppList list(text.Find(Section, choice.MimeType).value_or(""));
        const bool keepPrevious = !choice.Previous.empty() && !list.Holds(choice.Previous);
        list.Remove(desktopId);
        if (keepPrevious && choice.Previous != desktopId)
            list.Apps.insert(list.Apps.begin(), choice.Previous);
        list.Apps.insert(list.Apps.begin(), desktopId);
        text.Set(Section, choice.MimeType, list.Value());
    }
    return text.Bytes();
}

std::string WithoutDefaultApplication(const std::string& listText, const std::string& desktopId)
{
    TProfileText text(listText);
    for (const std::string& type : text.Keys(Section)) {
        if (IsComment(type))
            continue;
        TAppList list(text.Find(Section, type).value_or(""));
        if (!list.Holds(desktopId))
            continue;
        list.Remove(desktopId);
        if (list.Apps.empty())
            text.Remove(Section, type);
        else
            text.Set(Section, type, list.Value());
    }
    return text.Bytes();
}

bool SetDefaultApplication(const std::string& listFile, const std::vector<TDefaultChoice>& choices,
                           const std::string& desktopId)
{
    return EditFile(listFile, [&](const std::string& text) { return WithDefaultApplication(text, choices, desktopId); });
}

bool RemoveDefaultApplication(const std::string& listFile, const std::string& desktopId)
{
    return EditFile(listFile, [&](const std::string& text) { return WithoutDefaultApplication(text, desktopId); });
}
