#include "app/IniInfo.h"

#include "app/SettingsDefaults.h"
#include "framework/Application.h"
#include "framework/ConfigFolder.h"
#include "framework/Frame.h"
#include "framework/Profile.h"

#include <algorithm>
#include <climits>

namespace {

// GetPrivateProfileString's buffer: the face name keeps 255 characters.
constexpr size_t FaceNameBuffer = TTextStyle::MaxFaceName + 1;

// The width or height between two stored edges, as far as an int holds it.
int Extent(int from, int to) { return int(std::clamp<int64_t>(int64_t(to) - from, INT_MIN, INT_MAX)); }

void ReadPlacement(TApplication& app, const TProfile& position)
{
    const TPlacementDefaults d;
    const int x = position.GetInt("x", d.X);
    const int y = position.GetInt("y", d.Y);
    const int b = position.GetInt("b", d.Bottom);
    const int r = position.GetInt("r", d.Right);
    if (TFrameWindow* frame = app.GetMainWindow())
        frame->SetWindowPos(x, y, Extent(x, r), Extent(y, b));
}

void ReadGeneral(TIniInfo& info, const TProfile& general)
{
    const TGeneralDefaults d;
    info.Wrap = general.GetInt("Wrap", d.Wrap) != 0;
    info.Dos = general.GetInt("Dos", d.Dos) != 0;
    info.Installed = general.GetInt("Installed", d.Installed) != 0;
    info.AutoIndent = general.GetInt("AutoIndent", d.AutoIndent) != 0;
    info.UndoLimit = general.GetInt("UndoLimit", d.UndoLimit);
}

void ReadStyle(TTextStyle& style, const TProfile& section, const TStyleDefaults& d)
{
    style.Flags = TTextStyle::AllValid & ~TTextStyle::ColorsValid;
    // One key holds both margins.
    style.MarginX = section.GetInt("Margin", d.Margin);
    style.MarginY = section.GetInt("Margin", d.Margin);
    style.TabSize = section.GetInt("TabSize", d.TabSize);
    style.FaceName = section.GetString("FaceName", d.FaceName, FaceNameBuffer);
    style.FontSize = section.GetInt("FontSize", d.FontSize);
    style.LineSpacing = section.GetInt("LineSpacing", d.LineSpacing);
}

void WritePlacement(const TRect& placement, TProfile&& position)
{
    position.WriteInt("x", placement.left);
    position.WriteInt("y", placement.top);
    position.WriteInt("r", placement.right);
    position.WriteInt("b", placement.bottom);
}

void WriteGeneral(const TIniInfo& info, TProfile&& general)
{
    general.WriteInt("Wrap", info.Wrap);
    general.WriteInt("Dos", info.Dos);
    general.WriteInt("Installed", info.Installed);
    general.WriteInt("AutoIndent", info.AutoIndent);
    general.WriteInt("UndoLimit", info.UndoLimit);
}

// MarginY is not stored: the next start reads it from "Margin" again.
void WriteStyle(const TTextStyle& style, TProfile&& section)
{
    section.WriteInt("Margin", style.MarginX);
    section.WriteInt("TabSize", style.TabSize);
    section.WriteString("FaceName", style.FaceName);
    section.WriteInt("FontSize", style.FontSize);
    section.WriteInt("LineSpacing", style.LineSpacing);
}

}  // namespace

std::string TIniInfo::FileName()
{
    const std::string folder = UserConfigFolder("vantor");
    return folder.empty() ? std::string() : folder + "/TORVEL.INI";
}

void TIniInfo::ReadSettings()
{
    const std::string file = FileName();
    ReadPlacement(Owner, TProfile("Position", file));
    ReadGeneral(*this, TProfile("General", file));
    ReadStyle(WinText, TProfile(WinTextDefaults.Section, file), WinTextDefaults);
    ReadStyle(DosText, TProfile(DosTextDefaults.Section, file), DosTextDefaults);
}

void TIniInfo::WriteSettings(const TWindow& frame) const
{
    // A file that cannot be written loses this run's settings silently.
    const std::string file = FileName();
    WritePlacement(frame.GetNormalPlacement(), TProfile("Position", file));
    WriteGeneral(*this, TProfile("General", file));
    WriteStyle(WinText, TProfile(WinTextDefaults.Section, file));
    WriteStyle(DosText, TProfile(DosTextDefaults.Section, file));
}
