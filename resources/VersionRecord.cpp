#include "resources/VersionRecord.h"

#include <algorithm>
#include <cctype>

namespace VersionRecord {
namespace {

bool SamePath(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

uint32_t ReadWord(std::string_view bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[at + size_t(i)]);
    return v;
}

}  // namespace

std::string Build(const TVersionSource& src)
{
    std::string out;
    Write(src, [&out](char c) { out += c; });
    return out;
}

std::optional<std::string_view> Query(std::string_view record, std::string_view path)
{
    if (record.substr(0, VersionRecordTag.size()) != VersionRecordTag)
        return std::nullopt;
    size_t at = VersionRecordTag.size();
    while (at < record.size()) {
        const size_t end = record.find('\0', at);
        if (end == std::string_view::npos || record.size() - end - 1 < 4)
            return std::nullopt;
        const std::string_view name = record.substr(at, end - at);
        const uint32_t length = ReadWord(record, end + 1);
        const size_t value = end + 5;
        if (length > record.size() - value)
            return std::nullopt;
        if (SamePath(name, path))
            return record.substr(value, length);
        at = value + length;
    }
    return std::nullopt;
}

}  // namespace VersionRecord
