#include "../FindReplaceDriver.h"

#include "framework/headless/HeadlessFindReplace.h"

namespace {

class THeadlessDriver : public TFindReplaceDriver {
public:
    explicit THeadlessDriver(THeadlessFindReplace& window) : Window(window) {}

    bool Visible() const override { return Window.IsVisible(); }
    TFindReplaceDialog::TControls Controls() const override { return Window.Controls(); }
    void TypeFind(const std::string& text) override { Window.TypeFind(Window.Controls().FindWhat + text); }
    void TypeReplace(const std::string& text) override { Window.TypeReplace(Window.Controls().ReplaceWith + text); }
    void ClearFind() override { Window.TypeFind(""); }
    void SetOptions(bool wholeWord, bool matchCase, bool down) override
    {
        Window.SetWholeWord(wholeWord);
        Window.SetMatchCase(matchCase);
        Window.SetDown(down);
    }
    bool Enabled(TAction button) const override { return Window.IsEnabled(button); }
    void Click(TAction button) override { Window.Click(button); }
    void Key(unsigned virtualKey) override { Window.PressKey(virtualKey); }
    void CloseBox() override { Window.CloseBox(); }

private:
    THeadlessFindReplace& Window;
};

}  // namespace

std::unique_ptr<TFindReplaceDriver> TFindReplaceDriver::For(TFindReplaceDialog& dialog)
{
    return std::make_unique<THeadlessDriver>(*static_cast<THeadlessFindReplace*>(dialog.GetPeer()));
}
