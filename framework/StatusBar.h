// TStatusBar: the message bar with recessed panes: the hint pane as wide
// as possible, then the mode indicators asked for (CAPS, NUM, OVR, ...),
// each showing its label while its key's lock or mode is on. The program
// inserts panes of its own before them.
#pragma once

#include "framework/MessageBar.h"

#include <string>

class TStatusBar : public TMessageBar {
public:
    enum TModeIndicator : unsigned {
        ExtendSelection = 1, CapsLock = 2, NumLock = 4, ScrollLock = 8, Overtype = 16, RecordingMacro = 32,
    };
    // The indicators' labels, in the order of their bits.
    static constexpr const char* IndicatorLabels = "EXT|CAPS|NUM|SCRL|OVR|REC";
    // The first indicator's pane id; each further bit adds one.
    static constexpr int IDG_STATUS_EXT = 0x7F00;

    TStatusBar(TWindow* parent = nullptr, TGadget::TBorderStyle borderStyle = TGadget::Recessed,
               unsigned modeIndicators = 0, std::unique_ptr<TFont> font = nullptr);
    const char* GetClassName() const override { return "TStatusBar"; }

    bool GetModeIndicator(TModeIndicator indicator) const { return (ModeOn & indicator) != 0; }
    void SetModeIndicator(TModeIndicator indicator, bool on);
    // The pane of an indicator that the bar has, else null.
    TTextGadget* IndicatorPane(TModeIndicator indicator) const;
    // The label of an indicator ("CAPS" for CapsLock).
    static std::string IndicatorLabel(TModeIndicator indicator);

    // Also shows the lock keys' states (Caps Lock, Num Lock, Scroll Lock)
    // and the Insert key's overtype mode.
    bool IdleAction(long idleCount) override;

private:
    unsigned Indicators;
    unsigned ModeOn = 0;
};
