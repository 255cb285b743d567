#include "framework/FindReplaceDialog.h"

#include "framework/FindReplacePeer.h"
#include "framework/Platform.h"
#include "framework/RegisteredMessage.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t ActionBit(TFindReplaceDialog::TAction action)
{
    switch (action) {
    case TFindReplaceDialog::TAction::FindNext: return FR_FINDNEXT;
    case TFindReplaceDialog::TAction::Replace: return FR_REPLACE;
    case TFindReplaceDialog::TAction::ReplaceAll: return FR_REPLACEALL;
    case TFindReplaceDialog::TAction::Close: return FR_DIALOGTERM;
    }
    return 0;
}

uint32_t OptionBits(const TFindReplaceDialog::TControls& controls)
{
    return (controls.Down ? FR_DOWN : 0) | (controls.WholeWord ? FR_WHOLEWORD : 0) |
           (controls.MatchCase ? FR_MATCHCASE : 0);
}

}  // namespace

void TFindReplaceDialog::TData::Store(std::array<char, TextLimit + 1>& buffer, std::string_view text)
{
    text = text.substr(0, std::min({text.size(), TextLimit, text.find('\0')}));
    std::memcpy(buffer.data(), text.data(), text.size());
    buffer[text.size()] = '\0';
}

TFindReplaceDialog::TFindReplaceDialog(TWindow* parent, TData& data, TKind kind)
    : Owner(parent), Data(data), DialogKind(kind)
{
    Record.Owner = parent;
    Record.Flags = data.Flags;
    Record.FindWhat = data.FindWhat.data();
    Record.ReplaceWith = data.ReplaceWith.data();
}

// Going away while shown is a closing like any other: the owner hears of it.
TFindReplaceDialog::~TFindReplaceDialog()
{
    if (!IsOpen())
        return;
    const TControls controls = Peer->Controls();
    Peer->Hide();
    Record.Flags = OptionBits(controls) | FR_DIALOGTERM;
    DispatchMsg(TMsg{Owner, NotifyMessage(), 0, reinterpret_cast<intptr_t>(&Record)});
}

void TFindReplaceDialog::Create()
{
    if (!Peer)
        Peer = Platform::CreateFindReplacePeer(*this);
}

bool TFindReplaceDialog::IsOpen() const { return Peer && Peer->IsVisible(); }

void TFindReplaceDialog::UpdateData(const TFindReplaceRecord* record)
{
    Data.Flags = (record ? *record : Record).Flags;
}

unsigned TFindReplaceDialog::NotifyMessage()
{
    static const unsigned message = RegisterWindowMessage(FINDMSGSTRING);
    return message;
}

TFindReplaceDialog::TControls TFindReplaceDialog::InitialControls() const
{
    TControls controls;
    controls.FindWhat = Data.FindText();
    controls.ReplaceWith = Data.ReplaceText();
    controls.WholeWord = Data.Flags & FR_WHOLEWORD;
    controls.MatchCase = Data.Flags & FR_MATCHCASE;
    controls.Down = Data.Flags & FR_DOWN;
    return controls;
}

// A Cancel leaves the texts as they were; every button puts the boxes'
// texts into the buffers before the owner looks at them.
void TFindReplaceDialog::Act(TAction action, const TControls& controls)
{
    if (action != TAction::Close) {
        Data.SetFindText(controls.FindWhat);
        if (DialogKind == TKind::Replace)
            Data.SetReplaceText(controls.ReplaceWith);
    }
    Record.Flags = OptionBits(controls) | ActionBit(action);
    // The owner may delete this dialog while it handles the message.
    DispatchMsg(TMsg{Owner, NotifyMessage(), 0, reinterpret_cast<intptr_t>(&Record)});
}
