// The large-file benchmark: generates its inputs, runs each case in a
// process of its own and prints one table with the targets beside it. Each
// figure is the median of several runs, shown with their minimum and
// maximum.
//
//   vantor_bench [--quick] [--dir FOLDER] [--runs N]
#include "bench/BenchCases.h"
#include "bench/InputFiles.h"
#include "bench/Measure.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using TResults = std::map<std::string, std::vector<double>>;

std::string SelfPath()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, size_t(n)) : std::string("vantor_bench");
}

// Runs one case in a child process and adds its "key value" lines.
void RunChild(TResults& results, const std::string& kind, const std::string& file, const std::string& dir, int runs)
{
    const std::string command =
        "'" + SelfPath() + "' --case " + kind + " '" + file + "' '" + dir + "' " + std::to_string(runs);
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::string text(line);
        const size_t space = text.rfind(' ');
        if (space == std::string::npos)
            continue;
        results[text.substr(0, space)].push_back(std::atof(text.c_str() + space + 1));
    }
}

TResults RunChildren(const std::string& kind, const std::string& file, const std::string& dir, int runs,
                     int processes = 1)
{
    TResults results;
    for (int i = 0; i < processes; ++i)
        RunChild(results, kind, file, dir, runs);
    return results;
}

TStats Get(const TResults& r, const std::string& key) { return r.count(key) ? TStats::Of(r.at(key)) : TStats(); }

bool Known(const TStats& s) { return s.Count > 0; }

// "median (min-max) unit", or "median unit" for a single sample.
std::string Fmt(const TStats& s, const char* unit, int decimals = 2)
{
    if (!Known(s))
        return "-";
    char text[160];
    if (s.Count == 1)
        std::snprintf(text, sizeof text, "%.*f %s (1 run)", decimals, s.Median, unit);
    else
        std::snprintf(text, sizeof text, "%.*f %s (%.*f-%.*f, %zu runs)", decimals, s.Median, unit, decimals, s.Min,
                      decimals, s.Max, s.Count);
    return text;
}

void Row(const std::string& operation, const std::string& measured, const char* target, bool met)
{
    std::printf("| %-64s | %-44s | %-16s | %-4s |\n", operation.c_str(), measured.c_str(), target, met ? "ok" : "MISS");
}

void Header(const char* title)
{
    std::printf("\n%s\n\n| %-64s | %-44s | %-16s | %-4s |\n", title, "operation", "measured: median (min-max)",
                "target", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(66, '-').c_str(), std::string(46, '-').c_str(),
                std::string(18, '-').c_str(), std::string(6, '-').c_str());
}

// wc -l on the file, timed in seconds.
std::vector<double> TimeWc(const std::string& file, int runs)
{
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        TStopwatch watch;
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("wc -l '" + file + "'").c_str(), "r"), pclose);
        char sink[256];
        while (pipe && std::fgets(sink, sizeof sink, pipe.get())) {
        }
        pipe.reset();
        seconds.push_back(watch.Seconds());
    }
    return seconds;
}

// The keystroke samples: "key|mode|kind|place|action".
struct TKeyCell {
    std::string Mode, Kind, Place, Action;
    TStats Stats;
};

std::vector<TKeyCell> KeyCells(const TResults& results)
{
    std::vector<TKeyCell> cells;
    for (const auto& [key, values] : results) {
        if (key.rfind("key|", 0) != 0)
            continue;
        std::vector<std::string> parts;
        for (size_t start = 0; start <= key.size();) {
            const size_t bar = std::min(key.find('|', start), key.size());
            parts.push_back(key.substr(start, bar - start));
            start = bar + 1;
        }
        if (parts.size() == 5 && parts[4] != "rows")
            cells.push_back({parts[1], parts[2], parts[3], parts[4], TStats::Of(values)});
    }
    return cells;
}

void PrintKeyMatrix(const std::vector<TKeyCell>& cells, const TResults& results)
{
    std::printf("\nEvery keystroke kind, ms to the end of its paint: median (min-max) of press / Undo / Redo\n\n");
    std::map<std::string, std::map<std::string, std::string>> lines;
    for (const TKeyCell& cell : cells) {
        char text[96];
        std::snprintf(text, sizeof text, "%s %.3f (%.3f-%.3f)", cell.Action.c_str(), cell.Stats.Median, cell.Stats.Min,
                      cell.Stats.Max);
        std::string& entry = lines["wrap " + cell.Mode + ", " + cell.Kind][cell.Place];
        entry += (entry.empty() ? "" : ", ") + std::string(text);
    }
    for (const auto& [name, places] : lines) {
        std::printf("  %s\n", name.c_str());
        for (const char* place : {"start", "middle", "end"}) {
            if (!places.count(place))
                continue;
            const TStats rows =
                Get(results, "key|" + name.substr(5, name.find(',') - 5) + "|" + name.substr(name.find(", ") + 2) +
                                 "|" + place + "|rows");
            std::printf("    %-6s %s; rows reflowed %g\n", place, places.at(place).c_str(), rows.Max);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 6 && std::string(argv[1]) == "--case")
        return RunBenchCase(argv[2], argv[3], argv[4], std::atoi(argv[5]), argc, argv);

    bool quick = false;
    int runs = 3;
    std::string dir = (std::filesystem::temp_directory_path() / "vantor-bench").string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick")
            quick = true;
        else if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
        else if (arg == "--runs" && i + 1 < argc)
            runs = std::max(3, std::atoi(argv[++i]));
    }
    if (quick)
        dir += "-quick";
    std::filesystem::create_directories(dir);

    const int64_t small = quick ? 2 << 20 : int64_t(100) << 20;
    const int64_t large = quick ? 4 << 20 : int64_t(1) << 30;
    const int64_t lineShort = quick ? 1 << 20 : 50000000, lineLong = quick ? 3 << 20 : 300000000;
    const std::string lfSmall = dir + "/log-lf-small.txt", crlfSmall = dir + "/log-crlf-small.txt";
    const std::string lfLarge = dir + "/log-lf-large.txt", crlfLarge = dir + "/log-crlf-large.txt";
    const std::string paragraphs = dir + "/paragraphs-large.txt", paragraphsSmall = dir + "/paragraphs-small.txt";
    const std::string marked = dir + "/log-marked-small.txt";
    const std::string line1 = dir + "/one-line-short.txt", line2 = dir + "/one-line-long.txt";
    std::printf("Generating inputs in %s ...\n", dir.c_str());
    std::fflush(stdout);
    MakeInputFile(lfSmall, TInputKind::LogLf, small);
    MakeInputFile(crlfSmall, TInputKind::LogCrLf, small);
    MakeInputFile(lfLarge, TInputKind::LogLf, large);
    MakeInputFile(crlfLarge, TInputKind::LogCrLf, large);
    MakeInputFile(paragraphs, TInputKind::Paragraphs, large);
    MakeInputFile(paragraphsSmall, TInputKind::Paragraphs, small);
    MakeInputFile(marked, TInputKind::LogMarked, small);
    MakeInputFile(line1, TInputKind::OneLine, lineShort);
    MakeInputFile(line2, TInputKind::OneLine, lineLong);

    const TResults load = RunChildren("load", lfLarge, dir, 1, runs);
    const std::vector<double> wc = TimeWc(lfLarge, runs);
    const TResults write = RunChildren("write", lfLarge, dir, runs);
    const TResults keysOff = RunChildren("keys-off", lfLarge, dir, runs);
    const TResults keysOn = RunChildren("keys-on", paragraphs, dir, runs);
    const TResults paste = RunChildren("paste", paragraphs, dir, runs);
    const TResults wrap = RunChildren("wrap", paragraphs, dir, runs);
    const TResults clear = RunChildren("clear", lfLarge, dir, runs);
    const TResults longShort = RunChildren("longline", line1, dir, runs);
    const TResults longLong = RunChildren("longline", line2, dir, runs);
    const TResults full = RunChildren("full", lfLarge, dir, runs);
    const TResults crlf = RunChildren("load", crlfLarge, dir, 1);
    const TResults smallLf = RunChildren("load", lfSmall, dir, 1);
    const TResults smallCrlf = RunChildren("load", crlfSmall, dir, 1);
    const TResults wrapSmall = RunChildren("wrap", paragraphsSmall, dir, runs);
    const TResults clipboard = RunChildren("clipboard", lfSmall, dir, 1);
    const TResults idle = RunChildren("idle", lfLarge, dir, 1);
    const TResults print = RunChildren("print", paragraphs, dir, 1);
    const TResults replace = RunChildren("replace", marked, dir, 1);

    const std::string size = quick ? "4 MiB" : "1 GiB";
    const std::string lineSizes[] = {quick ? "1 MiB" : "50 MB", quick ? "3 MiB" : "300 MB"};
    std::printf("\nWindow %g columns x %g rows; large files %s, small files %s; %d runs of each figure\n",
                Get(load, "window_cols").Median, Get(load, "window_rows").Median, size.c_str(),
                quick ? "2 MiB" : "100 MiB", runs);

    Header("Targets");
    TResults keys = keysOff;
    for (const auto& [key, values] : keysOn)
        keys[key] = values;
    const std::vector<TKeyCell> cells = KeyCells(keys);
    const TKeyCell* slowest = nullptr;
    double slowestSample = 0;
    for (const TKeyCell& cell : cells) {
        if (!slowest || cell.Stats.Median > slowest->Stats.Median)
            slowest = &cell;
        slowestSample = std::max(slowestSample, cell.Stats.Max);
    }
    if (slowest)
        Row("every keystroke kind at start, middle, end, wrap on and off: slowest",
            Fmt(slowest->Stats, "ms", 3), "< 5 ms", slowest->Stats.Median < 5);
    if (slowest)
        std::printf("|   (the slowest: %s, %s, %s, wrap %s; slowest single sample %.3f ms) \n", slowest->Action.c_str(),
                    slowest->Kind.c_str(), slowest->Place.c_str(), slowest->Mode.c_str(), slowestSample);
    const TStats paste3 = Get(paste, "paste_3_ms"), paste10k = Get(paste, "paste_10000_ms");
    Row("paste of 3 lines into a wrapped paragraph, " + size, Fmt(paste3, "ms", 3), "< 5 ms",
        Known(paste3) && paste3.Median < 5);
    Row("paste of 10,000 lines into a wrapped paragraph, " + size, Fmt(paste10k, "ms", 2), "< 50 ms",
        Known(paste10k) && paste10k.Median < 50);
    const TResults* lines[] = {&longShort, &longLong};
    for (int i = 0; i < 2; ++i) {
        const TResults& r = *lines[i];
        const std::string name = lineSizes[i] + " line, wrap off: ";
        for (const auto& [key, what] : {std::pair<const char*, const char*>{"end_ms", "End"},
                                        {"typed_ms", "a typed character after End"},
                                        {"thumb_ms", "the horizontal thumb to the far right"}}) {
            const TStats s = Get(r, key);
            Row(name + what + ", painted", Fmt(s, "ms", 3), "< 5 ms", Known(s) && s.Median < 5);
        }
        const TStats col0 = Get(r, "paint_col0_ms"), right = Get(r, "paint_far_right_ms");
        Row(name + "paint far right / paint at column 0", Fmt(right, "ms", 3) + " / " + Fmt(col0, "ms", 3).substr(0, 9),
            "about 1x", Known(right) && right.Median < 2 * col0.Median + 0.5);
        const TStats held = Get(r, "rss_beyond_text_x"), peak = Get(r, "peak_beyond_text_x");
        char memory[96];
        std::snprintf(memory, sizeof memory, "%.2fx now, %.2fx at peak", held.Median, peak.Median);
        Row(name + "memory beyond the text (x text size)", memory, "about 0", Known(held) && held.Median < 0.25);
    }
    const TStats loadRate = Get(load, "load_mibs"), loadSeconds = Get(load, "load_s");
    const TStats wcSeconds = TStats::Of(wc);
    const double fileMiB = Known(loadRate) ? loadRate.Median * loadSeconds.Median : 0;
    {
        char text[160];
        std::snprintf(text, sizeof text, "%.0f MiB/s (%.0f-%.0f); %.2f s = %.1fx wc -l's %.2f s", loadRate.Median,
                      loadRate.Min, loadRate.Max, loadSeconds.Median,
                      wcSeconds.Median > 0 ? loadSeconds.Median / wcSeconds.Median : 0, wcSeconds.Median);
        Row("ReadText, LF, " + size + " (progress steps included)", text, ">= 800 MiB/s",
            Known(loadRate) && loadRate.Median >= 800);
        std::snprintf(text, sizeof text, "wc -l: %.0f MiB/s (%.2f-%.2f s)", fileMiB / wcSeconds.Median, wcSeconds.Min,
                      wcSeconds.Max);
        Row("  the same file read by wc -l", text, "(reference)", true);
    }
    const TStats rss = Get(load, "rss_after_load_x");
    Row("resident memory after loading (x file size)", Fmt(rss, "x"), "<= 1.15x", Known(rss) && rss.Median <= 1.15);
    const TStats clearUndo = Get(clear, "clear_undo_s");
    Row("Clear All then Undo, " + size + " (same text back)", Fmt(clearUndo, "s", 3), "< 0.5 s",
        Known(clearUndo) && clearUndo.Median < 0.5 && Get(clear, "clear_undo_same").Min == 1);
    const TStats wrapOn = Get(wrap, "wrap_on_s"), wrapOff = Get(wrap, "wrap_off_s");
    Row("word wrap on, paragraph file, " + size, Fmt(wrapOn, "s", 3), "< 1 s", Known(wrapOn) && wrapOn.Median < 1);
    Row("word wrap off, paragraph file, " + size, Fmt(wrapOff, "s", 3), "< 0.3 s",
        Known(wrapOff) && wrapOff.Median < 0.3);
    const TStats writeRate = Get(write, "write_mibs"), fsyncSeconds = Get(write, "fsync_s");
    Row("WriteText, " + size + " (CR LF written), without the final fsync", Fmt(writeRate, "MiB/s", 0),
        ">= 1000 MiB/s", Known(writeRate) && writeRate.Median >= 1000 && Get(write, "write_ok").Min == 1);
    Row("  its fsync, apart", Fmt(fsyncSeconds, "s"), "(reported)", true);

    Header("Other figures");
    Row("Save (temporary file, fsync, rename), " + size, Fmt(Get(write, "save_s"), "s"), "(reported)",
        Get(write, "save_ok").Min == 1);
    auto loadRow = [&](const std::string& name, const TResults& r) {
        Row(name, Fmt(Get(r, "load_mibs"), "MiB/s", 0), ">= 500 MiB/s", Get(r, "load_mibs").Median >= 500);
    };
    loadRow("ReadText, CR LF, " + size, crlf);
    loadRow("ReadText, LF, small", smallLf);
    loadRow("ReadText, CR LF, small", smallCrlf);
    const TStats first = Get(load, "first_screen_ms");
    Row("first screenful painted after Open", Fmt(first, "ms", 1), "< 50 ms", Known(first) && first.Median < 50);
    Row("peak memory while loading (x file size)", Fmt(Get(load, "peak_after_load_x"), "x"), "(reported)", true);
    Row("typed character at the end, 200 in a row", Fmt(Get(full, "typed_at_end_ms"), "ms", 3), "< 5 ms",
        Get(full, "typed_at_end_ms").Max < 5);
    Row("word wrap on / off, paragraph file, small",
        Fmt(Get(wrapSmall, "wrap_on_s"), "s", 3) + " / " + Fmt(Get(wrapSmall, "wrap_off_s"), "s", 3).substr(0, 7),
        "< 1 s", Get(wrapSmall, "wrap_on_s").Median < 1);
    Row("Clear All alone, " + size, Fmt(Get(clear, "clear_s"), "s", 3), "(reported)", true);
    const TStats find = Get(full, "find_mibs");
    Row("Find of a word that does not occur, match case off", Fmt(find, "MiB/s", 0), ">= 300 MiB/s",
        Known(find) && find.Median >= 300 && Get(full, "find_found").Max < 0);
    const TStats replaceSeconds = Get(replace, "replace_all_s"), replaced = Get(replace, "replace_all_count");
    Row(quick ? "Replace All of a word on one line in twelve, small file"
              : "Replace All of a word on one line in twelve, 100 MiB",
        Fmt(replaceSeconds, "s") + ", " + std::to_string(int64_t(replaced.Median)) + " replaced",
        quick ? "(linear)" : "< 5 s for 100,000",
        Known(replaceSeconds) && replaceSeconds.Median < 5 && replaced.Median >= (quick ? 1000 : 100000));
    Row("paints during that Replace All", Fmt(Get(replace, "replace_all_paints"), "", 0), "(not one per match)",
        Get(replace, "replace_all_paints").Median < replaced.Median / 10);
    const std::string smallSize = quick ? "2 MiB" : "100 MiB";
    const TStats copy = Get(clipboard, "copy_s"), pasted = Get(clipboard, "paste_s");
    Row("Copy of a " + smallSize + " selection; held besides the text at peak",
        Fmt(copy, "s") + ", " + Fmt(Get(clipboard, "copy_held_x"), "x").substr(0, 5) + "x", "< 1 s, <= 2.2x",
        Known(copy) && copy.Median < 1 && Get(clipboard, "copy_held_x").Median <= 2.2);
    Row("Paste of " + smallSize + "; held besides the text at peak",
        Fmt(pasted, "s") + ", " + Fmt(Get(clipboard, "paste_held_x"), "x").substr(0, 5) + "x", "< 1 s, <= 2.2x",
        Known(pasted) && pasted.Median < 1 && Get(clipboard, "paste_held_x").Median <= 2.2 &&
            Get(clipboard, "paste_same").Min == 1);
    const TStats paint = Get(full, "paint_ms");
    Row("Paint of one screenful (200 paints)", Fmt(paint, "ms", 3), "< 1 ms", Known(paint) && paint.Median < 1);
    const TStats printDialog = Get(print, "print_dialog_s");
    Row("Print pages 1-3, wrapped paragraphs " + size + ": dialog / 3 pages / restore",
        Fmt(printDialog, "s") + " / " + Fmt(Get(print, "print_send_s"), "s") + " / " +
            Fmt(Get(print, "print_restore_s"), "s"),
        "< 3 s / (3 pages)",
        Get(print, "print_ok").Min == 1 && Known(printDialog) && printDialog.Median < 3 &&
            Get(print, "print_pages").Median == 3 &&
            Get(print, "print_restore_rows").Median < 2 * Get(print, "print_rows").Median);
    Row("loader progress step, nothing waiting", Fmt(Get(full, "progress_step_us"), "us", 3), "(cheap)", true);
    const TStats idlePass = Get(idle, "idle_pass_us");
    Row("idle pass after a keystroke: 13 buttons, 2 panes", Fmt(idlePass, "us", 1), "< 1000 us",
        Known(idlePass) && idlePass.Max < 1000);
    Row("lock keys asked of the X server (after Caps Lock or Num Lock only)", Fmt(Get(idle, "lock_read_us"), "us", 1),
        "(X11 only)", true);

    PrintKeyMatrix(cells, keys);
    std::printf("\nRows: %g loaded (LF, large); paragraph file %g rows wrapped, %g unwrapped\n",
                Get(load, "rows").Median, Get(wrap, "wrapped_rows").Median, Get(wrap, "unwrapped_rows").Median);
    const bool complete = Known(loadSeconds) && Known(wrapOff) && Get(write, "save_ok").Min == 1 && slowest &&
                          Known(Get(longLong, "end_ms"));
    if (!complete)
        std::printf("\nA case did not finish.\n");
    return complete ? 0 : 1;
}
