#include "app/SDIDecFrame.h"

#include "app/DocCaption.h"
#include "app/HintText.h"
#include "app/WendApp.h"
#include "core/HugeEdit.h"

namespace {

std::unique_ptr<TWindow> ClientOrPlainEditor(std::unique_ptr<TWindow> client)
{
    return client ? std::move(client) : std::make_unique<THugeEdit>();
}

}  // namespace

TSDIDecFrame::TSDIDecFrame(TWindow* parent, const std::string& caption, std::unique_ptr<TWindow> client,
                           bool trackMenuSelection)
    : TSDIDecFrame(parent, caption, ClientOrPlainEditor(std::move(client)), trackMenuSelection, TClientMade{})
{
}

TSDIDecFrame::TSDIDecFrame(TWindow* parent, const std::string& caption, std::unique_ptr<TWindow> client,
                           bool trackMenuSelection, TClientMade)
    : TDecoratedFrame(parent, caption, client.get(), trackMenuSelection), Client(std::move(client))
{
}

TSDIDecFrame::~TSDIDecFrame()
{
    // The frame's end is the one moment the settings are stored; the
    // decorations and the client go after that.
    WriteSettings();
}

void TSDIDecFrame::WriteSettings() const
{
    if (auto* app = dynamic_cast<TWendApp*>(GetApplication()))
        app->Settings.WriteSettings(*this);
}

bool TSDIDecFrame::SetDocTitle(const std::string& docName, int index)
{
    const TApplication* app = GetApplication();
    SetCaption(DocCaption(docName, app ? app->GetName() : std::string{}));
    return true;
}

std::string TSDIDecFrame::LoadHint(unsigned id) const
{
    return StatusHint(id);
}

std::string TSDIDecFrame::GetToolTipText(unsigned id) const
{
    const TMenuResource* menu = GetMenu();
    return menu ? ToolTipText(*menu, id) : TDecoratedFrame::GetToolTipText(id);
}
