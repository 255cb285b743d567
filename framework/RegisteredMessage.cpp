#include "framework/RegisteredMessage.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

unsigned RegisterWindowMessage(std::string_view name)
{
    // The process's table of names, like the system's atom table: it only
    // grows, and one GUI thread uses it.
    static std::vector<std::string> names;
    const auto known = std::find_if(names.begin(), names.end(), [name](const std::string& n) { return SameName(n, name); });
    if (known != names.end())
        return FirstRegisteredMessage + unsigned(known - names.begin());
    names.emplace_back(name);
    return FirstRegisteredMessage + unsigned(names.size() - 1);
}
