// The editor's font and the metrics that follow from it and from the
// window size; display styles applied and read back.
#include "core/HugeEdit.h"

#include "core/Reflow.h"
#include "framework/Platform.h"
#include "view/HEScroller.h"

#include <algorithm>

namespace {

constexpr size_t MaxFaceNameLength = 127;

// Points to pixels; sizes beyond any screen are cut first, so the
// conversion cannot overflow.
int PointsToPixels(int32_t points, int dpi)
{
    constexpr int32_t maxPoints = 1000000;
    return MulDiv(std::clamp(points, -maxPoints, maxPoints), dpi, 72);
}

}  // namespace

void THugeEdit::MakeFont(const std::string& face, int height)
{
    auto font = std::make_unique<TFont>(face, height);
    int width = 0;
    if (!font->GetCharWidth('a', width) || width <= 0)
        throw std::runtime_error("Unable to get font metrics");
    // The new font replaces the old only once it is known to be usable.
    Font = std::move(font);
    CharWidth = width;
}

void THugeEdit::ComputeWindowSize()
{
    const TRect client = GetClientRect();
    WindowCols = (client.Width() - 2 * LeftMargin) / std::max(1, CharWidth);
    WindowRows = client.Height() / std::max(1, LineHeight) + 1;
}

void THugeEdit::Create()
{
    TWindow::Create();
    ComputeWindowSize();
    Scroller->SetPageSize();
    UpdateScrollRange();
}

void THugeEdit::ApplyStyle(const TTextStyle& style)
{
    const int dpi = ScreenLogPixelsY();
    if (style.Flags & TTextStyle::ColorsValid) {
        TextColor = style.TextColor;
        BackColor = style.BackColor;
    }
    if (style.Flags & TTextStyle::MarginsValid) {
        LeftMargin = std::clamp(style.MarginX, 0, MaxMargin);
        TopMargin = std::clamp(style.MarginY, 0, MaxMargin);
    }
    if (style.Flags & TTextStyle::TabSizeValid)
        TabSize = std::clamp(style.TabSize, 0, MaxTabSize);
    std::string face = FaceName;
    int height = FontHeight;
    if (style.Flags & TTextStyle::FontValid) {
        face = style.FaceName.substr(0, MaxFaceNameLength);
        height = std::clamp(PointsToPixels(style.FontSize, dpi), MinFontHeight, MaxFontHeight);
    }
    // The face and height change together with the font, so a face that
    // cannot be measured leaves the editor with its old, usable font.
    MakeFont(face, height);
    FaceName = face;
    FontHeight = height;
    const int spacing = (style.Flags & TTextStyle::LineSpacingValid) ? PointsToPixels(style.LineSpacing, dpi) : 0;
    LineSpacingPixels = std::clamp(spacing, 1 - FontHeight, MaxFontHeight);
    LineHeight = FontHeight + LineSpacingPixels;
    Scroller->SetUnits(CharWidth, LineHeight);
    ComputeWindowSize();
    if (IsCreated())
        Scroller->SetPageSize();

    if (WordWrap)
        RewrapAll();
    UpdateScrollRange();
    Invalidate();
    if (HasFocus()) {
        // The caret takes the new cell size.
        DestroyCaret();
        CreateCaretShape();
        UpdateCaret(false);
        ShowCaret();
    }
}

void THugeEdit::GetStyle(TTextStyle& style) const
{
    const int dpi = ScreenLogPixelsY();
    style.Flags = TTextStyle::AllValid;
    style.TextColor = TextColor;
    style.BackColor = BackColor;
    style.MarginX = LeftMargin;
    style.MarginY = TopMargin;
    style.TabSize = TabSize;
    style.FaceName = FaceName;
    style.FontSize = MulDiv(FontHeight, 72, dpi);
    style.LineSpacing = MulDiv(LineSpacingPixels, 72, dpi);
}
