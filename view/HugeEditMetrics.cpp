// The editor's font and the metrics that follow from it and from the
// window size; display styles applied and read back.
#include "core/HugeEdit.h"

#include "core/Reflow.h"
#include "framework/Platform.h"
#include "view/HEScroller.h"

#include <algorithm>

namespace {

constexpr size_t MaxFaceNameLength = 127;

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
        LeftMargin = style.MarginX;
        TopMargin = style.MarginY;
    }
    if (style.Flags & TTextStyle::TabSizeValid)
        TabSize = style.TabSize;
    std::string face = FaceName;
    int height = FontHeight;
    if (style.Flags & TTextStyle::FontValid) {
        face = style.FaceName.substr(0, MaxFaceNameLength);
        height = MulDiv(style.FontSize, dpi, 72);
    }
    // The face and height change together with the font, so a face that
    // cannot be measured leaves the editor with its old, usable font.
    MakeFont(face, height);
    FaceName = face;
    FontHeight = height;
    LineSpacingPixels = (style.Flags & TTextStyle::LineSpacingValid) ? MulDiv(style.LineSpacing, dpi, 72) : 0;
    LineHeight = std::max(1, FontHeight + LineSpacingPixels);
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
