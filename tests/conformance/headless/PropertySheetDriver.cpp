#include "../PropertySheetDriver.h"

#include "framework/headless/HeadlessDesktop.h"
#include "framework/headless/HeadlessPropertySheet.h"

namespace {

class THeadlessUser : public TPropertySheetUser {
public:
    explicit THeadlessUser(THeadlessPropertySheet& sheet) : Sheet(sheet) {}

    void ClickTab(size_t index) override { Sheet.ClickTab(index); }
    void Click(int id) override { Sheet.Click(id); }
    void Type(int id, const std::string& text) override { Sheet.Type(id, text); }
    void Press(TButton button) override { Sheet.Press(button); }
    bool Open() const override { return Sheet.IsOpen(); }
    size_t ShownPage() const override { return Sheet.ShownPage(); }
    bool ApplyEnabled() const override { return Sheet.ApplyEnabled(); }

private:
    THeadlessPropertySheet& Sheet;
};

}  // namespace

int TPropertySheetUser::Run(TPropertySheet& sheet, const std::function<void(TPropertySheetUser&)>& user)
{
    THeadlessDesktop::Current().Dialogs().OnPropertySheet([&user](THeadlessPropertySheet& shown) {
        THeadlessUser acting(shown);
        user(acting);
    });
    return sheet.Execute();
}
