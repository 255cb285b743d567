// The large-file benchmark: generates its inputs, runs each case in a
// process of its own and prints one table with the targets beside it.
//
//   vantor_bench [--quick] [--dir FOLDER]
#include "bench/BenchCases.h"
#include "bench/InputFiles.h"
#include "bench/Measure.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using TResults = std::map<std::string, double>;

std::string SelfPath()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, size_t(n)) : std::string("vantor_bench");
}

// Runs one case in a child process and reads its "key value" lines.
TResults RunChild(const std::string& kind, const std::string& file, const std::string& dir)
{
    const std::string command = "'" + SelfPath() + "' --case " + kind + " '" + file + "' '" + dir + "'";
    TResults results;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return results;
    char key[128];
    double value = 0;
    while (std::fscanf(pipe.get(), "%127s %lf", key, &value) == 2)
        results[key] = value;
    return results;
}

double Get(const TResults& r, const char* key) { return r.count(key) ? r.at(key) : -1; }

void Row(const char* operation, const std::string& measured, const char* target, bool met)
{
    std::printf("| %-66s | %-26s | %-22s | %-4s |\n", operation, measured.c_str(), target, met ? "ok" : "MISS");
}

std::string Fmt(const char* format, double a, double b = 0, double c = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 5 && std::string(argv[1]) == "--case")
        return RunBenchCase(argv[2], argv[3], argv[4], argc, argv);

    bool quick = false;
    std::string dir = (std::filesystem::temp_directory_path() / "vantor-bench").string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick")
            quick = true;
        else if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
    }
    if (quick)
        dir += "-quick";
    std::filesystem::create_directories(dir);

    const int64_t small = quick ? 2 << 20 : int64_t(100) << 20;
    const int64_t large = quick ? 4 << 20 : int64_t(1) << 30;
    const std::string lfSmall = dir + "/log-lf-small.txt", crlfSmall = dir + "/log-crlf-small.txt";
    const std::string lfLarge = dir + "/log-lf-large.txt", crlfLarge = dir + "/log-crlf-large.txt";
    const std::string paragraphs = dir + "/paragraphs-large.txt", paragraphsSmall = dir + "/paragraphs-small.txt";
    const std::string marked = dir + "/log-marked-small.txt";
    std::printf("Generating inputs in %s ...\n", dir.c_str());
    std::fflush(stdout);
    MakeInputFile(lfSmall, TInputKind::LogLf, small);
    MakeInputFile(crlfSmall, TInputKind::LogCrLf, small);
    MakeInputFile(lfLarge, TInputKind::LogLf, large);
    MakeInputFile(crlfLarge, TInputKind::LogCrLf, large);
    MakeInputFile(paragraphs, TInputKind::Paragraphs, large);
    MakeInputFile(paragraphsSmall, TInputKind::Paragraphs, small);
    MakeInputFile(marked, TInputKind::LogMarked, small);

    const TResults full = RunChild("full", lfLarge, dir);
    const TResults crlf = RunChild("load", crlfLarge, dir);
    const TResults smallLf = RunChild("load", lfSmall, dir);
    const TResults smallCrlf = RunChild("load", crlfSmall, dir);
    const TResults wrap = RunChild("wrap", paragraphs, dir);
    const TResults wrapSmall = RunChild("wrap", paragraphsSmall, dir);
    const TResults clear = RunChild("clear", lfLarge, dir);
    const TResults clipboard = RunChild("clipboard", lfSmall, dir);
    const TResults idle = RunChild("idle", lfLarge, dir);
    const TResults replace = RunChild("replace", marked, dir);
    const TResults print = RunChild("print", paragraphs, dir);

    const std::string size = quick ? "4 MiB" : "1 GiB";
    std::printf("\nWindow %g columns x %g rows; large files %s, small files %s\n\n", Get(full, "window_cols"),
                Get(full, "window_rows"), size.c_str(), quick ? "2 MiB" : "100 MiB");
    std::printf("| %-66s | %-26s | %-22s | %-4s |\n", "operation", "measured", "target", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(68, '-').c_str(), std::string(28, '-').c_str(),
                std::string(24, '-').c_str(), std::string(6, '-').c_str());
    auto load = [&](const char* name, const TResults& r) {
        Row(name, Fmt("%.0f MiB/s (%.2f s)", Get(r, "load_mibs"), Get(r, "load_s")), ">= 500 MiB/s",
            Get(r, "load_mibs") >= 500);
    };
    load("ReadText, LF, large (progress steps included)", full);
    load("ReadText, CR LF, large", crlf);
    load("ReadText, LF, small", smallLf);
    load("ReadText, CR LF, small", smallCrlf);
    Row("first screenful painted after Open", Fmt("%.1f ms", Get(full, "first_screen_ms")), "< 50 ms",
        Get(full, "first_screen_ms") >= 0 && Get(full, "first_screen_ms") < 50);
    Row("resident memory after loading (x file size)",
        Fmt("%.2fx (peak %.2fx)", Get(full, "rss_after_load_x"), Get(full, "peak_after_load_x")), "<= 1.25x",
        Get(full, "rss_after_load_x") <= 1.25);
    Row("WriteText (Save), LF, large", Fmt("%.0f MiB/s", Get(full, "save_mibs")), ">= 500 MiB/s",
        Get(full, "save_mibs") >= 500);
    Row("WriteText (Save), CR LF, large", Fmt("%.0f MiB/s", Get(crlf, "save_mibs")), ">= 500 MiB/s",
        Get(crlf, "save_mibs") >= 500);
    Row("one typed character at the end (median / max of 200)",
        Fmt("%.3f / %.3f ms", Get(full, "keystroke_median_ms"), Get(full, "keystroke_max_ms")), "< 5 ms",
        Get(full, "keystroke_max_ms") < 5);
    auto wrapping = [&](const char* which, const TResults& r) {
        const std::string on = std::string("word wrap on, paragraph file, ") + which;
        const std::string off = std::string("word wrap off, paragraph file, ") + which;
        const std::string typed = std::string("typed character in a wrapped paragraph, ") + which + " (median / max)";
        const std::string rows = std::string("rows reflowed per keystroke (max), ") + which;
        const std::string enter = std::string("Enter / Backspace in a wrapped paragraph, ") + which + " (max)";
        Row(on.c_str(), Fmt("%.2f s", Get(r, "wrap_on_s")), "< 3 s", Get(r, "wrap_on_s") < 3);
        Row(typed.c_str(),
            Fmt("%.3f / %.3f ms", Get(r, "wrapped_keystroke_median_ms"), Get(r, "wrapped_keystroke_max_ms")),
            "< 5 ms", Get(r, "wrapped_keystroke_max_ms") < 5);
        Row(enter.c_str(), Fmt("%.3f ms", Get(r, "wrapped_enter_back_max_ms")), "< 5 ms",
            Get(r, "wrapped_enter_back_max_ms") < 5);
        Row(rows.c_str(),
            Fmt("%g / %g", Get(r, "wrapped_keystroke_rows_max"), Get(r, "wrapped_enter_back_rows_max")),
            "(one paragraph)", Get(r, "wrapped_keystroke_rows_max") < 100 && Get(r, "wrapped_enter_back_rows_max") < 100);
        const std::string paste = std::string("paste of three lines in a wrapped paragraph, ") + which;
        Row(paste.c_str(), Fmt("%.1f ms", Get(r, "wrapped_paste_lines_ms")), "(to the end)", true);
        Row(off.c_str(), Fmt("%.2f s", Get(r, "wrap_off_s")), "< 3 s", Get(r, "wrap_off_s") < 3);
    };
    wrapping(quick ? "large" : "1 GiB", wrap);
    wrapping(quick ? "small" : "100 MiB", wrapSmall);
    Row("Find of a word that does not occur, match case off", Fmt("%.0f MiB/s", Get(full, "find_mibs")),
        ">= 300 MiB/s", Get(full, "find_mibs") >= 300 && Get(full, "find_found") < 0);
    const double replaced = Get(replace, "replace_all_count"), replaceSeconds = Get(replace, "replace_all_s");
    Row(quick ? "Replace All of a word on one line in twelve, small file"
              : "Replace All of a word on one line in twelve, 100 MiB",
        Fmt("%.2f s (%.0f replaced)", replaceSeconds, replaced), quick ? "(linear)" : "< 5 s for 100,000",
        replaceSeconds >= 0 && replaceSeconds < 5 && replaced >= (quick ? 1000 : 100000));
    Row("paints during that Replace All", Fmt("%.0f", Get(replace, "replace_all_paints")), "(not one per match)",
        Get(replace, "replace_all_paints") < Get(replace, "replace_all_count") / 10);
    auto clearAll = [&](const char* name, const TResults& r) {
        Row(name, Fmt("%.2f s (clear %.2f s)", Get(r, "clear_undo_s"), Get(r, "clear_s")), "< 3 s together",
            Get(r, "clear_undo_s") < 3 && Get(r, "clear_undo_same") == 1);
    };
    clearAll("Clear All, then Undo, file as loaded", clear);
    clearAll("Clear All, then Undo, after typing at the file's end", full);
    const std::string smallSize = quick ? "2 MiB" : "100 MiB";
    Row(("Copy of a " + smallSize + " selection (time, held besides the text at peak)").c_str(),
        Fmt("%.2f s (%.0f MiB/s), %.2fx", Get(clipboard, "copy_s"),
            Get(clipboard, "clipboard_mib") / Get(clipboard, "copy_s"), Get(clipboard, "copy_held_x")),
        "< 1 s, <= 2.2x",
        Get(clipboard, "copy_s") < 1 && Get(clipboard, "copy_held_x") <= 2.2);
    Row(("Paste of " + smallSize + " (time, held besides the text at peak)").c_str(),
        Fmt("%.2f s (%.0f MiB/s), %.2fx", Get(clipboard, "paste_s"),
            Get(clipboard, "clipboard_mib") / Get(clipboard, "paste_s"), Get(clipboard, "paste_held_x")),
        "< 1 s, <= 2.2x",
        Get(clipboard, "paste_s") < 1 && Get(clipboard, "paste_held_x") <= 2.2 && Get(clipboard, "paste_same") == 1);
    Row("Paint of one screenful (median of 200)", Fmt("%.3f ms", Get(full, "paint_median_ms")), "< 1 ms",
        Get(full, "paint_median_ms") >= 0 && Get(full, "paint_median_ms") < 1);
    Row(("Print pages 1-3, wrapped paragraphs " + size + ": dialog / 3 pages / restore").c_str(),
        Fmt("%.2f s / %.2f s / %.2f s", Get(print, "print_dialog_s"), Get(print, "print_send_s"),
            Get(print, "print_restore_s")),
        "< 3 s / (3 pages)",
        Get(print, "print_ok") == 1 && Get(print, "print_dialog_s") < 3 && Get(print, "print_pages") == 3 &&
            Get(print, "print_restore_rows") < 2 * Get(print, "print_rows"));
    Row("loader progress step, nothing waiting", Fmt("%.3f us", Get(full, "progress_step_us")), "(cheap)", true);
    Row("idle pass after a keystroke: 13 buttons, 2 panes (median / max)",
        Fmt("%.1f / %.1f us", Get(idle, "idle_pass_median_us"), Get(idle, "idle_pass_max_us")), "< 1000 us",
        Get(idle, "idle_pass_max_us") >= 0 && Get(idle, "idle_pass_max_us") < 1000);
    Row("lock keys asked of the X server (after Caps Lock or Num Lock only)", Fmt("%.1f us", Get(idle, "lock_read_us")),
        "(X11 only)", true);
    std::printf("\nRows: %g loaded (LF, large); paragraph file %g rows wrapped, %g unwrapped\n", Get(full, "rows"),
                Get(wrap, "wrapped_rows"), Get(wrap, "unwrapped_rows"));
    const bool complete = Get(full, "load_s") > 0 && Get(wrap, "wrap_off_s") >= 0 && Get(full, "save_ok") == 1;
    if (!complete)
        std::printf("\nA case did not finish.\n");
    return complete ? 0 : 1;
}
