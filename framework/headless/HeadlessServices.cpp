#include "framework/headless/HeadlessServices.h"

#include "framework/ChildProcess.h"
#include "framework/Dialog.h"
#include "framework/HelpBook.h"
#include "framework/Platform.h"
#include "framework/headless/HeadlessDesktop.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

void THeadlessServices::WatchChild(int pid, std::function<void(int)> done) { Children.push_back({pid, std::move(done)}); }

void THeadlessServices::WaitForChildren()
{
    while (!Children.empty()) {
        TChild child = std::move(Children.front());
        Children.erase(Children.begin());
        int status = 0;
        const pid_t ended = waitpid(child.Pid, &status, 0);
        if (child.Done)
            child.Done(ended == child.Pid ? ChildProcess::ExitCodeOf(status) : -1);
    }
}

THeadlessHelpViewer* THeadlessServices::Find(const TWindow* owner)
{
    auto found = std::find_if(HelpViewers.begin(), HelpViewers.end(),
                              [owner](const THeadlessHelpViewer& v) { return v.Owner == owner && v.Open; });
    return found == HelpViewers.end() ? nullptr : &*found;
}

const THeadlessHelpViewer* THeadlessServices::Viewer(const TWindow* owner) const
{
    for (auto v = HelpViewers.rbegin(); v != HelpViewers.rend(); ++v)
        if (v->Owner == owner)
            return &*v;
    return nullptr;
}

bool THeadlessServices::ShowViewer(const TWindow& owner, const std::string& page)
{
    THeadlessHelpViewer* viewer = Find(&owner);
    if (!viewer) {
        if (FailViewerStart)
            return false;
        viewer = &HelpViewers.emplace_back(THeadlessHelpViewer{&owner, {}, 0, true});
    }
    viewer->Page = page;
    ++viewer->Shows;
    return true;
}

void THeadlessServices::CloseViewer(const TWindow& owner)
{
    if (THeadlessHelpViewer* viewer = Find(&owner))
        viewer->Open = false;
}

void THeadlessServices::ShowPopup(const TWindow& owner, const std::string& page, const std::string& text)
{
    HelpPopups.push_back({&owner, page, text});
}

namespace Platform {

void WatchChild(int pid, std::function<void(int exitCode)> done)
{
    THeadlessDesktop::Current().Services().WatchChild(pid, std::move(done));
}

}  // namespace Platform

namespace Platform {

bool ShowHelpViewer(TWindow& owner, const std::string& contents, const std::string& page)
{
    return THeadlessDesktop::Current().Services().ShowViewer(owner, page);
}

void CloseHelpViewer(TWindow& owner) { THeadlessDesktop::Current().Services().CloseViewer(owner); }

bool ShowHelpPopup(TWindow& owner, const std::string& page)
{
    if (access(page.c_str(), R_OK) != 0)
        return false;
    THeadlessDesktop::Current().Services().ShowPopup(owner, page, HelpPageText(page));
    return true;
}

void SetAppCursor(const TCursorImage* cursor) { THeadlessDesktop::Current().Services().AppCursor = cursor ? cursor->ResourceId : 0; }

}  // namespace Platform

namespace Platform {

int RunDialog(TDialog& dialog)
{
    dialog.SetupWindow();
    THeadlessDialogRun run{dialog.Template().ResourceId, dialog.Template().Caption, dialog.GetOwner(), {}};
    for (const TDialogItem& item : dialog.Template().Items)
        if (item.Id != -1)
            run.Texts[item.Id] = dialog.GetItemText(item.Id);
    THeadlessDesktop::Current().Services().DialogRuns.push_back(std::move(run));
    return IDOK;
}

}  // namespace Platform
