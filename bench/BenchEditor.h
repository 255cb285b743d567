// The editor window as the program creates it, sized to 100 columns and 40
// rows on the offscreen platform, with its paints timed.
#pragma once

#include "search/HugeEditSearch.h"

#include <vector>

class TBenchEditor : public THugeEditSearch {
public:
    TBenchEditor();

    // Sizes the window so that WindowCols and WindowRows are as asked.
    void SizeTo(int cols, int rows);

    void Paint(TDC& dc, bool erase, TRect& rect) override;
    // Counts the insertions (Replace All makes one per match).
    void InsertText(const std::string& text) override;
    int64_t Insertions = 0;

    // Milliseconds of each Paint since the last ClearPaints.
    std::vector<double> PaintTimes;
    // Seconds from ArmFirstScreenful to the end of the first paint that
    // showed a full screenful of rows; negative until then.
    double FirstScreenful = -1;
    void ArmFirstScreenful();

private:
    double ArmedAt = -1;
};

// Lets the platform deliver what is pending (resizes, paints).
void Settle(int milliseconds = 60);
