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
// Times keystrokes and notes how many rows their reflows went over.
class TKeystrokes {
public:
    explicit TKeystrokes(TBenchEditor& edit) : Edit(edit) {}

    void Send(unsigned message, unsigned key)
    {
        TStopwatch watch;
        Edit.SendMessage(message, key);
        Times.push_back(watch.Millis());
        MaxRows = std::max(MaxRows, double(Edit.LastReflowRows));
    }

    void TypeWords(int count, int wordLength)
    {
        for (int i = 0; i < count; ++i)
            Send(WM_CHAR, i % wordLength == wordLength - 1 ? ' ' : 'x');
    }

    void Report(const std::string& key) const
    {
        ::Report((key + "_median_ms").c_str(), Median(Times));
        ::Report((key + "_max_ms").c_str(), Max(Times));
        ::Report((key + "_max_at").c_str(), double(std::max_element(Times.begin(), Times.end()) - Times.begin()));
        ::Report((key + "_rows_max").c_str(), MaxRows);
    }

private:
    TBenchEditor& Edit;
    std::vector<double> Times;
    double MaxRows = 0;
};

void MeasureTyping(TBenchEditor& edit)
{
    edit.MoveDocumentEnd();
    TKeystrokes typing(edit);
    typing.TypeWords(200, 10);
    typing.Report("keystroke");
}

void MeasureFind(TBenchEditor& edit, double mib)
{
    TStopwatch watch;
    const TOffset found = edit.FindText(0, "zqxjvk", false, false, false);
    const double seconds = watch.Seconds();
    Report("find_found", found);
    Report("find_mibs", mib / seconds);
}

// Replace All from the top, without a dialog: the search loop as the
// dialog's button starts it.
void MeasureReplaceAll(TBenchEditor& edit)
{
    edit.SetCaretOffset(0);
    edit.SearchData.Flags = FR_REPLACEALL | FR_DOWN;
    edit.SearchData.SetFindText("zebra");
    edit.SearchData.SetReplaceText("giraffe");
    edit.PaintTimes.clear();
    edit.Insertions = 0;
    TStopwatch watch;
    edit.DoSearch();
    Report("replace_all_s", watch.Seconds());
    Report("replace_all_count", double(edit.Insertions));
    Report("replace_all_paints", double(edit.PaintTimes.size()));
    Report("replace_all_undo_items", double(edit.UndoStack.Count()));
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
    TKeystrokes typing(edit);
    typing.TypeWords(50, 6);
    typing.Report("wrapped_keystroke");
    // Enter splits the paragraph, Backspace joins it again.
    TKeystrokes lineEnds(edit);
    for (int i = 0; i < 10; ++i) {
        lineEnds.Send(WM_KEYDOWN, VK_RETURN);
        lineEnds.Send(WM_KEYDOWN, VK_BACK);
    }
    lineEnds.Report("wrapped_enter_back");
    // A pasted text of several lines rewraps from the caret to the end.
    TStopwatch paste;
    edit.InsertText("pasted one\r\npasted two\r\npasted three ");
    Report("wrapped_paste_lines_ms", paste.Millis());
    TStopwatch off;
    edit.SetWordWrap(false);
    Report("wrap_off_s", off.Seconds());
    Report("unwrapped_rows", edit.GetNumLines());
}

// Copy of the whole text and Paste of it at the end. The memory reported is
// what is held besides the document at the peak, in units of the text:
// for Copy the block and the clipboard's text; for Paste the clipboard's
// text, held from the Copy, and the block (the pasted rows are the
// document's own).
void MeasureClipboard(TBenchEditor& edit)
{
    const double size = double(edit.Lines.TextLength());
    Report("clipboard_mib", size / MiB);
    edit.SetSelectionOffsets(0, EndOfDocument);
    ResetPeakMemory();
    const int64_t start = ProcStatusBytes("VmRSS");
    TStopwatch copy;
    edit.Copy();
    Report("copy_s", copy.Seconds());
    Report("copy_held_x", double(ProcStatusBytes("VmHWM") - start) / size);
    const double clipboard = double(ProcStatusBytes("VmRSS") - start) / size;

    edit.MoveDocumentEnd();
    ResetPeakMemory();
    TStopwatch paste;
    edit.Paste();
    Report("paste_s", paste.Seconds());
    Report("paste_held_x", double(ProcStatusBytes("VmHWM") - ProcStatusBytes("VmRSS")) / size + clipboard);
    Report("paste_same", edit.Lines.TextLength() == 2 * int64_t(size) - 1 ? 1 : 0);
}

class TBenchApp : public TApplication {
public:
    TBenchApp(int& argc, char** argv) : TApplication("Vantor", argc, argv) {}
};

}  // namespace

int RunBenchCase(const std::string& kind, const std::string& file, const std::string& scratchDir, int& argc,
                 char** argv)
{
    if (kind == "idle")
        return RunIdleCase(file, scratchDir);
    TBenchApp app(argc, argv);
    TBenchEditor edit;
    edit.SizeTo(100, 40);
    Report("window_cols", edit.WindowCols);
    Report("window_rows", edit.WindowRows);
    MeasureLoad(edit, file);
    const double mib = FileMiB(file);
    if (kind == "wrap") {
        MeasureWrap(edit);
    } else if (kind == "clipboard") {
        MeasureClipboard(edit);
    } else if (kind == "replace") {
        MeasureReplaceAll(edit);
    } else if (kind == "clear") {
        MeasureClearUndo(edit);
    } else if (kind == "print") {
        MeasurePrint(edit, scratchDir);
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
