#include "app/IniInfo.h"

#include "app/SettingsDefaults.h"
#include "framework/Application.h"
#include "framework/Frame.h"

namespace {

// Until the settings file is read, every key takes its default: these
// readers are where the file's values will come in.
void ReadPlacement(TApplication& app)
{
    const TPlacementDefaults p;
    if (TFrameWindow* frame = app.GetMainWindow())
        frame->SetWindowPos(p.X, p.Y, p.Right - p.X, p.Bottom - p.Y);
}

void ReadGeneral(TIniInfo& info)
{
    const TGeneralDefaults g;
    info.Wrap = g.Wrap;
    info.Dos = g.Dos;
    info.Installed = g.Installed;
    info.AutoIndent = g.AutoIndent;
    info.UndoLimit = g.UndoLimit;
}

void ReadStyle(TTextStyle& style, const TStyleDefaults& d)
{
    style.Flags = TTextStyle::AllValid & ~TTextStyle::ColorsValid;
    style.MarginX = d.Margin;
    style.MarginY = d.Margin;
    style.TabSize = d.TabSize;
    style.FaceName = d.FaceName;
    style.FontSize = d.FontSize;
    style.LineSpacing = d.LineSpacing;
}

}  // namespace

void TIniInfo::ReadSettings()
{
    ReadPlacement(Owner);
    ReadGeneral(*this);
    ReadStyle(WinText, WinTextDefaults);
    ReadStyle(DosText, DosTextDefaults);
}

void TIniInfo::WriteSettings(const TWindow& frame) const
{
    // Nothing is stored yet: the settings file comes with its own reader
    // and writer, which take the frame's last normal placement from here.
    (void)frame;
}
