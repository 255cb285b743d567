#include "app/DocCaption.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view Separator = " - ";

std::string_view BaseName(std::string_view path)
{
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string DocCaption(const std::string& docName, const std::string& appName)
{
    const size_t fixed = Separator.size() + appName.size();
    const size_t room = MaxCaptionLength > fixed ? MaxCaptionLength - fixed : 0;
    std::string_view base = BaseName(docName);
    std::string caption(base.substr(0, std::min(room, base.size())));
    caption += Separator;
    caption += appName;
    return caption;
}
