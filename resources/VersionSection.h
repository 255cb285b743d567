// Places the version record in the executable's own section. Included by
// the program's main file only: the record then lives in the program file,
// where it is read back from disk.
#pragma once

#include "resources/VersionRecord.h"

[[gnu::used, gnu::section("vantor_version")]] static constexpr auto EmbeddedVersionRecord =
    VersionRecord::Bytes<VersionRecord::SizeOf(ProgramVersion)>(ProgramVersion);
