#include "bench/BenchEditor.h"

#include "bench/Measure.h"
#include "framework/Platform.h"

#include <chrono>

namespace {

double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

}  // namespace

void Settle(int milliseconds)
{
    TStopwatch watch;
    while (watch.Millis() < milliseconds)
        Platform::WaitAndDispatch(10);
}

TBenchEditor::TBenchEditor() : THugeEditSearch(nullptr, "Vantor bench")
{
    Create();
    Show(SW_SHOWNORMAL);
    Settle();
}

void TBenchEditor::SizeTo(int cols, int rows)
{
    for (int attempt = 0; attempt < 4 && (WindowCols != cols || WindowRows != rows); ++attempt) {
        const TRect window = GetWindowRect(), client = GetClientRect();
        const int extraW = window.Width() - client.Width(), extraH = window.Height() - client.Height();
        SetWindowPos(window.left, window.top, cols * CharWidth + 2 * LeftMargin + extraW,
                     (rows - 1) * LineHeight + extraH);
        Settle();
    }
}

void TBenchEditor::ArmFirstScreenful()
{
    ArmedAt = Now();
    FirstScreenful = -1;
}

void TBenchEditor::Paint(TDC& dc, bool erase, TRect& rect)
{
    TStopwatch watch;
    THugeEdit::Paint(dc, erase, rect);
    PaintTimes.push_back(watch.Millis());
    if (ArmedAt >= 0 && FirstScreenful < 0 && Lines.Size() >= WindowRows)
        FirstScreenful = Now() - ArmedAt;
}

void TBenchEditor::InsertText(const std::string& text)
{
    ++Insertions;
    THugeEditSearch::InsertText(text);
}
