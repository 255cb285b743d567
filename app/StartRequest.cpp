#include "app/StartRequest.h"

#include "framework/CmdLine.h"

#include <array>
#include <cctype>
#include <string_view>

namespace {

enum class TOptionKeyword { None, Unregister, Register, Print };

struct TKeyword {
    std::string_view Text;
    TOptionKeyword Keyword;
};

// Tried in this order, so "-r" registers and "-u" (or a lone dash) unregisters.
constexpr std::array<TKeyword, 3> Keywords{{
    {"unregister", TOptionKeyword::Unregister},
    {"register", TOptionKeyword::Register},
    {"p", TOptionKeyword::Print},
}};

// An option selects a keyword when it is a case-blind prefix of it.
bool IsPrefixOf(std::string_view option, std::string_view keyword)
{
    if (option.size() > keyword.size())
        return false;
    for (size_t i = 0; i < option.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(option[i])) != keyword[i])
            return false;
    return true;
}

TOptionKeyword MatchOption(std::string_view option)
{
    for (const TKeyword& k : Keywords)
        if (IsPrefixOf(option, k.Text))
            return k.Keyword;
    return TOptionKeyword::None;
}

// The rest of the line with one leading and one trailing quote dropped.
std::string Unquote(std::string_view name)
{
    if (!name.empty() && name.front() == '"')
        name.remove_prefix(1);
    if (!name.empty() && name.back() == '"')
        name.remove_suffix(1);
    return std::string(name);
}

}  // namespace

TStartRequest ReadStartRequest(const std::string& commandText)
{
    TStartRequest request;
    TCmdLine line(commandText);
    for (TCmdLine::TKind kind = line.NextToken(); kind != TCmdLine::TKind::Done; kind = line.NextToken()) {
        if (kind == TCmdLine::TKind::Name) {
            request.FileName = Unquote(line.Rest());
            break;
        }
        if (kind != TCmdLine::TKind::Option)
            continue;
        switch (MatchOption(line.Token())) {
        case TOptionKeyword::Unregister:
            return {TStartRequest::TRegistration::Unregister, false, std::nullopt};
        case TOptionKeyword::Register:
            return {TStartRequest::TRegistration::Register, false, std::nullopt};
        case TOptionKeyword::Print:
            request.Print = true;
            break;
        case TOptionKeyword::None:
            break;
        }
    }
    return request;
}
