// A file of one very long line with word wrap off: End, a typed character
// and the horizontal thumb dragged to the far right, each timed to the end
// of its paint; a paint of the window at column 0 and far right; and the
// memory held beyond the text.
#include "bench/BenchCases.h"

#include "bench/BenchEditor.h"
#include "bench/Measure.h"
#include "framework/Scroller.h"

int RunLongLineCase(TBenchEditor& edit, int runs, int64_t baseline)
{
    const double text = double(edit.Lines.TextLength());
    Report("line_mib", text / MiB);
    auto paint = [&](const char* key) {
        for (int run = 0; run < runs; ++run) {
            edit.Invalidate();
            TStopwatch watch;
            edit.UpdateWindow();
            Report(key, watch.Millis());
        }
    };
    auto timed = [&](const char* key, const auto& action) {
        TStopwatch watch;
        action();
        edit.UpdateWindow();
        Report(key, watch.Millis());
    };
    paint("paint_col0_ms");
    for (int run = 0; run < runs; ++run) {
        edit.SetCaret(0, 0);
        edit.Scroller->ScrollTo(0, 0);
        edit.UpdateWindow();
        timed("end_ms", [&] { edit.SendMessage(WM_KEYDOWN, VK_END); });
        timed("typed_ms", [&] { edit.SendMessage(WM_CHAR, 'x'); });
        edit.Undo();
        edit.UpdateWindow();
        edit.Scroller->ScrollTo(0, 0);
        edit.UpdateWindow();
        timed("thumb_ms", [&] { edit.EvHScroll(SB_THUMBTRACK, TScroller::ScrollBarMax); });
    }
    Report("far_right_columns", double(edit.Scroller->XPos));
    paint("paint_far_right_ms");
    // What the process holds besides its state before the load and the text.
    Report("rss_beyond_text_x", (double(ProcStatusBytes("VmRSS") - baseline) - text) / text);
    Report("peak_beyond_text_x", (double(ProcStatusBytes("VmHWM") - baseline) - text) / text);
    return 0;
}
