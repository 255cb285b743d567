#include "bench/BenchCases.h"

#include "bench/BenchEditor.h"
#include "bench/Measure.h"
#include "framework/Application.h"
#include "framework/Platform.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <string>
#include <vector>

namespace {

void Report(const char* key, double value) { std::printf("%s %.6f\n", key, value); }

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Max(const std::vector<double>& values) { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }

double FileMiB(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return double(info.st_size) / MiB;
}

void MeasureLoad(TBenchEditor& edit, const std::string& file)
{
    edit.ArmFirstScreenful();
    TStopwatch watch;
    edit.Open(file);
    const double seconds = watch.Seconds();
    const double mib = FileMiB(file);
    Report("load_s", seconds);
    Report("load_mibs", mib / seconds);
    Settle(30);
    Report("first_screen_ms", edit.FirstScreenful * 1000.0);
    Report("rss_after_load_x", double(ProcStatusBytes("VmRSS")) / (mib * MiB));
    Report("peak_after_load_x", double(ProcStatusBytes("VmHWM")) / (mib * MiB));
    Report("rows", edit.GetNumLines());
}

void MeasureSave(TBenchEditor& edit, const std::string& scratchDir, double mib)
{
    const std::string target = scratchDir + "/saved.txt";
    TStopwatch watch;
    const bool saved = edit.Save(&target);
    const double seconds = watch.Seconds();
    Report("save_ok", saved ? 1 : 0);
    Report("save_mibs", mib / seconds);
    std::remove(target.c_str());
}

// Types words at the caret, one character message at a time, and reports
// the median and the slowest keystroke.
void TypeWords(TBenchEditor& edit, int count, int wordLength, const char* medianKey, const char* maxKey)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        TStopwatch watch;
        edit.SendMessage(WM_CHAR, i % wordLength == wordLength - 1 ? ' ' : 'x');
        times.push_back(watch.Millis());
    }
    Report(medianKey, Median(times));
    Report(maxKey, Max(times));
    Report((std::string(maxKey) + "_at").c_str(), double(std::max_element(times.begin(), times.end()) - times.begin()));
}

void MeasureTyping(TBenchEditor& edit)
{
    edit.MoveDocumentEnd();
    TypeWords(edit, 200, 10, "keystroke_median_ms", "keystroke_max_ms");
}

void MeasureFind(TBenchEditor& edit, double mib)
{
    TStopwatch watch;
    const TOffset found = edit.FindText(0, "zqxjvk", false, false, false);
    const double seconds = watch.Seconds();
    Report("find_found", found);
    Report("find_mibs", mib / seconds);
}

void MeasureClearUndo(TBenchEditor& edit)
{
    const int64_t before = edit.Lines.TextLength();
    TStopwatch watch;
    edit.SetSelectionOffsets(0, EndOfDocument);
    edit.DeleteSelection();
    const double clear = watch.Seconds();
    edit.Undo();
    Report("clear_s", clear);
    Report("clear_undo_s", watch.Seconds());
    Report("clear_undo_same", edit.Lines.TextLength() == before ? 1 : 0);
}

void MeasurePaint(TBenchEditor& edit)
{
    edit.MoveDocumentHome();
    Settle(30);
    edit.PaintTimes.clear();
    for (int i = 0; i < 200; ++i) {
        edit.Invalidate();
        edit.UpdateWindow();
    }
    Report("paint_median_ms", Median(edit.PaintTimes));
    Report("paint_count", double(edit.PaintTimes.size()));
}

// The loader's step once per screenful, with no message waiting.
void MeasureProgressStep(TBenchEditor& edit)
{
    constexpr int steps = 200000;
    TStopwatch watch;
    for (int i = 0; i < steps; ++i) {
        edit.UpdateScrollRange();
        Platform::PumpWaitingMessages();
    }
    Report("progress_step_us", watch.Seconds() * 1e6 / steps);
}

void MeasureWrap(TBenchEditor& edit)
{
    TStopwatch on;
    edit.SetWordWrap(true);
    Report("wrap_on_s", on.Seconds());
    Report("wrapped_rows", edit.GetNumLines());
    // Typing inside a paragraph in the middle reflows that paragraph only.
    edit.SetCaretOffset(TOffset(edit.Lines.TextLength() / 2));
    TypeWords(edit, 50, 6, "wrapped_keystroke_median_ms", "wrapped_keystroke_max_ms");
    TStopwatch off;
    edit.SetWordWrap(false);
    Report("wrap_off_s", off.Seconds());
    Report("unwrapped_rows", edit.GetNumLines());
}

class TBenchApp : public TApplication {
public:
    TBenchApp(int& argc, char** argv) : TApplication("Vantor", argc, argv) {}
};

}  // namespace

int RunBenchCase(const std::string& kind, const std::string& file, const std::string& scratchDir, int& argc,
                 char** argv)
{
    TBenchApp app(argc, argv);
    TBenchEditor edit;
    edit.SizeTo(100, 40);
    Report("window_cols", edit.WindowCols);
    Report("window_rows", edit.WindowRows);
    MeasureLoad(edit, file);
    const double mib = FileMiB(file);
    if (kind == "wrap") {
        MeasureWrap(edit);
    } else if (kind == "clear") {
        MeasureClearUndo(edit);
    } else {
        MeasureSave(edit, scratchDir, mib);
        if (kind == "full") {
            MeasureProgressStep(edit);
            MeasurePaint(edit);
            MeasureFind(edit, mib);
            MeasureTyping(edit);
            MeasureClearUndo(edit);
        }
    }
    std::fflush(stdout);
    return 0;
}
