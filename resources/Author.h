// Who makes Vantor and where to reach them: the one place for the texts the
// version record, the About box and the Web command show (the build reads
// them here for the Debian package too).
#pragma once

namespace Author {

inline constexpr const char* Name = "The Vantor developers";
// In the program's code page (Windows-1252): 0xA9 is the copyright sign.
inline constexpr const char* Copyright = "Copyright \xA9 2026 The Vantor developers";
inline constexpr const char* Trademarks = "Vantor is a trademark of the Vantor developers";
inline constexpr const char* EMailLine = "E-mail: vantor@example.org";
inline constexpr const char* HomePage = "https://vantor.example.org/";

}  // namespace Author
