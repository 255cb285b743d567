#include "app/MainBars.h"

#include "app/IEButtonGadget.h"
#include "app/NTextGadget.h"
#include "framework/BitmapGadget.h"
#include "resources/Bitmaps.h"
#include "resources/ToolBar.h"
#include "view/CommandIds.h"

namespace {

constexpr unsigned PaneChars = 10;

std::unique_ptr<TGadget> MakeGadget(const TToolBarItem& item)
{
    using TKind = TToolBarItem::TKind;
    switch (item.Kind) {
    case TKind::Button:
    case TKind::Toggle: {
        const auto type = item.Kind == TKind::Toggle ? TButtonGadget::NonExclusive : TButtonGadget::Command;
        return std::make_unique<TIEButtonGadget>(int(item.Id), int(item.Id), type, false, TButtonGadget::Up, false);
    }
    case TKind::Separator: return std::make_unique<TSeparatorGadget>(item.Width);
    case TKind::Spacer: {
        auto spacer = std::make_unique<TTextGadget>(0, TGadget::None, TTextGadget::Left, 1, "");
        spacer->WideAsPossible = true;
        return spacer;
    }
    case TKind::Emblem: {
        TDib emblem = LoadBitmapResource(int(item.Id)).value_or(TDib{});
        emblem.MapUIColors(TDib::MapFace | TDib::MapText | TDib::MapShadow | TDib::MapHighlight);
        return std::make_unique<TBitmapGadget>(std::move(emblem), int(item.Id), TGadget::None, 1, 0);
    }
    }
    return nullptr;
}

// A pane of the row count or the caret position. It widens when a number
// needs more than its ten characters, so the number is never cut.
std::unique_ptr<TNTextGadget> MakePane(unsigned id)
{
    auto pane = std::make_unique<TNTextGadget>(int(id), TGadget::Recessed, TTextGadget::Left, PaneChars, "");
    pane->SetFitText(true);
    return pane;
}

}  // namespace

std::unique_ptr<TFancyControlBar> MakeToolBar(TWindow& frame)
{
    auto bar = std::make_unique<TFancyControlBar>(&frame);
    for (const TToolBarItem& item : ToolBarItems())
        bar->Insert(MakeGadget(item));
    bar->SetCaption(ToolBarCaption);
    bar->SetHintMode(TGadgetWindow::EnterHints);
    bar->EnableTooltip(true);
    return bar;
}

std::unique_ptr<TStatusBar> MakeStatusBar(TWindow& frame)
{
    auto bar = std::make_unique<TStatusBar>(&frame, TGadget::Recessed,
                                            TStatusBar::CapsLock | TStatusBar::NumLock | TStatusBar::Overtype);
    bar->Insert(MakePane(IDS_CARETPOS_PANE), TGadgetWindow::Before);
    bar->Insert(MakePane(IDS_LINECOUNT_PANE), TGadgetWindow::Before);
    return bar;
}
