// The desktop's command-line tools (xdg-mime, update-desktop-database, ...)
// run to their end and read, without a shell: each argument reaches the
// tool exactly as given. A tool that does not end in time is stopped with
// everything it started, so a hung helper never holds the editor.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace DesktopTool {

// The tool's standard output (at most MaxOutput bytes are kept); none when
// it is not installed, cannot start, fails or runs past timeoutMs.
std::optional<std::string> Output(const std::string& name, const std::vector<std::string>& args, int timeoutMs);

// Whether the tool ran and succeeded within timeoutMs.
bool Run(const std::string& name, const std::vector<std::string>& args, int timeoutMs);

constexpr size_t MaxOutput = 64 * 1024;

}  // namespace DesktopTool
