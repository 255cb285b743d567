#include "dialogs/ProjectRCVersion.h"

#include "framework/ExecutableSection.h"
#include "resources/VersionRecord.h"

#include <cstdio>

namespace {

// The window system's limit on the program's path.
constexpr size_t MaxModulePath = 254;

}  // namespace

TProjectRCVersion::TProjectRCVersion(const std::string& modulePath)
{
    if (modulePath.size() <= MaxModulePath)
        Take(ReadExecutableSection(modulePath, VersionSectionName));
}

TProjectRCVersion TProjectRCVersion::FromRecord(std::string record)
{
    TProjectRCVersion version{TEmpty{}};
    version.Take(std::move(record));
    return version;
}

// Without a translation list the record is of no use: it is dropped.
void TProjectRCVersion::Take(std::optional<std::string> record)
{
    if (!record)
        return;
    const auto translation = VersionRecord::Query(*record, "\\VarFileInfo\\Translation");
    if (!translation || translation->size() < 4)
        return;
    const auto byte = [&](size_t i) { return uint32_t(static_cast<unsigned char>((*translation)[i])); };
    const uint32_t language = byte(0) | byte(1) << 8, codePage = byte(2) | byte(3) << 8;
    TransInfo = language << 16 | codePage;
    Record = std::move(record);
}

bool TProjectRCVersion::Query(const char* name, std::string_view& text) const
{
    if (!Record)
        return false;
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%08lx\\%s", static_cast<unsigned long>(TransInfo), name);
    const auto value = VersionRecord::Query(*Record, path);
    if (!value)
        return false;
    text = value->substr(0, value->find('\0'));
    return true;
}

bool TProjectRCVersion::ProductName(std::string_view& text) const { return Query("ProductName", text); }
bool TProjectRCVersion::ProductVersion(std::string_view& text) const { return Query("ProductVersion", text); }
bool TProjectRCVersion::LegalCopyright(std::string_view& text) const { return Query("LegalCopyright", text); }
bool TProjectRCVersion::SpecialBuild(std::string_view& text) const { return Query("SpecialBuild", text); }
