// Wall-clock timing, resident-memory readings and the statistics of
// repeated measurements for the benchmark.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

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

// The samples of one figure.
struct TStats {
    double Median = -1, Min = -1, Max = -1;
    size_t Count = 0;

    static TStats Of(std::vector<double> values)
    {
        TStats stats;
        if (values.empty())
            return stats;
        std::sort(values.begin(), values.end());
        stats.Median = values[values.size() / 2];
        stats.Min = values.front();
        stats.Max = values.back();
        stats.Count = values.size();
        return stats;
    }
};

// A case reports each sample as a "key value" line; a key may come many
// times.
inline void Report(const std::string& key, double value) { std::printf("%s %.6f\n", key.c_str(), value); }
