// Wall-clock timing and resident-memory readings for the benchmark.
#pragma once

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>

class TStopwatch {
public:
    TStopwatch() : Start(std::chrono::steady_clock::now()) {}
    double Seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count(); }
    double Millis() const { return Seconds() * 1000.0; }

private:
    std::chrono::steady_clock::time_point Start;
};

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM").
inline int64_t ProcStatusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stoll(line.substr(field.size() + 1)) * 1024;
    return 0;
}

// Starts VmHWM afresh from the resident memory of now, so that the next
// reading is the peak of what follows.
inline void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

constexpr double MiB = 1024.0 * 1024.0;
