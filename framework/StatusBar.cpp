#include "framework/StatusBar.h"

#include <string_view>

namespace {

constexpr int VK_SCROLL = 145;
constexpr unsigned IndicatorCount = 6;

int IndexOf(TStatusBar::TModeIndicator indicator)
{
    for (unsigned i = 0; i < IndicatorCount; ++i)
        if (indicator == (1u << i))
            return int(i);
    return -1;
}

// An indicator's pane is as wide as its label, whether it shows or not.
class TModeGadget : public TTextGadget {
public:
    TModeGadget(int id, TBorderStyle borderStyle, std::string label)
        : TTextGadget(id, borderStyle, Center, 0), Label(std::move(label))
    {
    }
    void GetDesiredSize(TSize& size) override
    {
        TTextGadget::GetDesiredSize(size);
        if (const TGadgetWindow* window = GetGadgetWindow())
            size.cx += TextExtent(window->GetFont(), Label);
    }
    const std::string Label;
};

// The key whose toggle state an indicator shows (0: none).
int KeyOf(TStatusBar::TModeIndicator indicator)
{
    switch (indicator) {
    case TStatusBar::CapsLock: return VK_CAPITAL;
    case TStatusBar::NumLock: return VK_NUMLOCK;
    case TStatusBar::ScrollLock: return VK_SCROLL;
    case TStatusBar::Overtype: return VK_INSERT;
    default: return 0;
    }
}

}  // namespace

TStatusBar::TStatusBar(TWindow* parent, TGadget::TBorderStyle borderStyle, unsigned modeIndicators,
                       std::unique_ptr<TFont> font)
    : TMessageBar(parent, borderStyle, std::move(font)), Indicators(modeIndicators)
{
    Margins = {2, 2, 2, 2};
    Spacing = 2;
    for (unsigned i = 0; i < IndicatorCount; ++i) {
        const auto indicator = TModeIndicator(1u << i);
        if (Indicators & indicator)
            Insert(std::make_unique<TModeGadget>(IDG_STATUS_EXT + int(i), borderStyle, IndicatorLabel(indicator)));
    }
}

std::string TStatusBar::IndicatorLabel(TModeIndicator indicator)
{
    std::string_view labels = IndicatorLabels;
    for (int i = IndexOf(indicator); i > 0; --i)
        labels.remove_prefix(labels.find('|') + 1);
    return std::string(labels.substr(0, labels.find('|')));
}

TTextGadget* TStatusBar::IndicatorPane(TModeIndicator indicator) const
{
    const int index = IndexOf(indicator);
    return index < 0 ? nullptr : dynamic_cast<TTextGadget*>(GadgetWithId(IDG_STATUS_EXT + index));
}

void TStatusBar::SetModeIndicator(TModeIndicator indicator, bool on)
{
    ModeOn = on ? ModeOn | indicator : ModeOn & ~unsigned(indicator);
    if (TTextGadget* pane = IndicatorPane(indicator))
        pane->SetText(on ? IndicatorLabel(indicator) : std::string());
}

bool TStatusBar::IdleAction(long idleCount)
{
    const bool more = TMessageBar::IdleAction(idleCount);
    if (idleCount == 0)
        for (unsigned i = 0; i < IndicatorCount; ++i) {
            const auto indicator = TModeIndicator(1u << i);
            if (const int key = KeyOf(indicator); key && (Indicators & indicator))
                SetModeIndicator(indicator, (GetKeyState(key) & 1) != 0);
        }
    return more;
}
