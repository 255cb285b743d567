#include "bench/BenchCases.h"

#include "bench/BenchEditor.h"
#include "bench/Measure.h"
#include "framework/Application.h"
#include "framework/Platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

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

// WriteText into a new file, then its fsync apart; and one Save, which
// writes a temporary file, syncs it and renames it.
void MeasureWrite(TBenchEditor& edit, const std::string& scratchDir, int runs)
{
    const std::string target = scratchDir + "/written.txt";
    for (int run = 0; run < runs; ++run) {
        const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        TDescriptorOutput output(fd);
        TStopwatch write;
        const bool ok = edit.WriteText(output);
        const double seconds = write.Seconds();
        TStopwatch sync;
        fsync(fd);
        Report("fsync_s", sync.Seconds());
        struct stat info {};
        fstat(fd, &info);
        close(fd);
        Report("write_ok", ok ? 1 : 0);
        Report("write_mibs", double(info.st_size) / MiB / seconds);
        Report("write_s", seconds);
        std::remove(target.c_str());
    }
    TStopwatch save;
    Report("save_ok", edit.Save(&target) ? 1 : 0);
    Report("save_s", save.Seconds());
    std::remove(target.c_str());
}

// Types words at the caret, one character message at a time.
void MeasureTypingAtTheEnd(TBenchEditor& edit)
{
    edit.MoveDocumentEnd();
    for (int i = 0; i < 200; ++i) {
        TStopwatch watch;
        edit.SendMessage(WM_CHAR, i % 10 == 9 ? ' ' : 'x');
        Report("typed_at_end_ms", watch.Millis());
    }
}

void MeasureFind(TBenchEditor& edit, double mib, int runs)
{
    for (int run = 0; run < runs; ++run) {
        TStopwatch watch;
        const TOffset found = edit.FindText(0, "zqxjvk", false, false, false);
        Report("find_mibs", mib / watch.Seconds());
        Report("find_found", found);
    }
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
}

// Clear All then Undo, which must give back the same text.
void MeasureClearUndo(TBenchEditor& edit, const std::string& scratchDir, int runs)
{
    const int64_t before = edit.Lines.TextLength();
    for (int run = 0; run < runs; ++run) {
        TStopwatch watch;
        edit.SetSelectionOffsets(0, EndOfDocument);
        edit.DeleteSelection();
        edit.UpdateWindow();
        const double clear = watch.Seconds();
        edit.Undo();
        edit.UpdateWindow();
        Report("clear_s", clear);
        Report("clear_undo_s", watch.Seconds());
        Report("clear_undo_same", edit.Lines.TextLength() == before ? 1 : 0);
    }
    (void)scratchDir;
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
    for (double ms : edit.PaintTimes)
        Report("paint_ms", ms);
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

void MeasureWrap(TBenchEditor& edit, int runs)
{
    for (int run = 0; run < runs; ++run) {
        TStopwatch on;
        edit.SetWordWrap(true);
        edit.UpdateWindow();
        Report("wrap_on_s", on.Seconds());
        Report("wrapped_rows", edit.GetNumLines());
        TStopwatch off;
        edit.SetWordWrap(false);
        edit.UpdateWindow();
        Report("wrap_off_s", off.Seconds());
        Report("unwrapped_rows", edit.GetNumLines());
    }
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

int RunBenchCase(const std::string& kind, const std::string& file, const std::string& scratchDir, int runs, int& argc,
                 char** argv)
{
    if (kind == "idle")
        return RunIdleCase(file, scratchDir);
    TBenchApp app(argc, argv);
    TBenchEditor edit;
    edit.SizeTo(100, 40);
    Report("window_cols", edit.WindowCols);
    Report("window_rows", edit.WindowRows);
    const int64_t baseline = ProcStatusBytes("VmRSS");
    MeasureLoad(edit, file);
    const double mib = FileMiB(file);
    int status = 0;
    if (kind == "wrap")
        MeasureWrap(edit, runs);
    else if (kind == "clipboard")
        MeasureClipboard(edit);
    else if (kind == "replace")
        MeasureReplaceAll(edit);
    else if (kind == "clear")
        MeasureClearUndo(edit, scratchDir, runs);
    else if (kind == "print")
        MeasurePrint(edit, scratchDir);
    else if (kind == "write")
        MeasureWrite(edit, scratchDir, runs);
    else if (kind == "keys-off" || kind == "keys-on")
        status = RunKeystrokeCase(edit, kind == "keys-on", runs);
    else if (kind == "paste")
        status = RunPasteCase(edit, runs);
    else if (kind == "longline")
        status = RunLongLineCase(edit, runs, baseline);
    else if (kind == "full") {
        MeasureProgressStep(edit);
        MeasurePaint(edit);
        MeasureFind(edit, mib, runs);
        MeasureTypingAtTheEnd(edit);
    }
    std::fflush(stdout);
    edit.Modified = false;
    return status;
}
