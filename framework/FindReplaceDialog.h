// The modeless Find and Replace dialogs. Both work on a record their owner
// keeps (TData: flags and the two texts) and tell the owner of every button
// pressed, and of their closing, by sending it the registered message
// "commdlg_FindReplace" whose lParam points to a TFindReplaceRecord. The
// owner copies the record's flags into its data with UpdateData.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TWindow;
class TFindReplacePeer;

// Flag bits of the record; the values are those of the window system's.
constexpr uint32_t FR_DOWN = 1;
constexpr uint32_t FR_WHOLEWORD = 2;
constexpr uint32_t FR_MATCHCASE = 4;
constexpr uint32_t FR_FINDNEXT = 8;
constexpr uint32_t FR_REPLACE = 16;
constexpr uint32_t FR_REPLACEALL = 32;
constexpr uint32_t FR_DIALOGTERM = 64;

// The name whose registered number the notifications carry.
inline constexpr std::string_view FINDMSGSTRING = "commdlg_FindReplace";

// What a notification points to: the options the user set, one action bit
// (or FR_DIALOGTERM), and the texts as the record's buffers now hold them.
struct TFindReplaceRecord {
    TWindow* Owner = nullptr;
    uint32_t Flags = 0;
    const char* FindWhat = nullptr;
    const char* ReplaceWith = nullptr;
};

class TFindReplaceDialog {
public:
    // The longest text either box takes; each buffer keeps a NUL after it.
    static constexpr size_t TextLimit = 80;

    struct TData {
        explicit TData(uint32_t flags = FR_DOWN) : Flags(flags) {}
        uint32_t Flags;
        uint32_t Error = 0;
        std::array<char, TextLimit + 1> FindWhat{};
        std::array<char, TextLimit + 1> ReplaceWith{};

        std::string_view FindText() const { return FindWhat.data(); }
        std::string_view ReplaceText() const { return ReplaceWith.data(); }
        // Cut at TextLimit characters (and at a NUL).
        void SetFindText(std::string_view text) { Store(FindWhat, text); }
        void SetReplaceText(std::string_view text) { Store(ReplaceWith, text); }

    private:
        static void Store(std::array<char, TextLimit + 1>& buffer, std::string_view text);
    };

    enum class TKind { Find, Replace };
    // What the user does in the dialog; Close stands for Cancel, Escape and
    // the close box alike.
    enum class TAction { FindNext, Replace, ReplaceAll, Close };
    // The state of the dialog's controls.
    struct TControls {
        std::string FindWhat;
        std::string ReplaceWith;
        bool WholeWord = false;
        bool MatchCase = false;
        bool Down = true;
        friend bool operator==(const TControls&, const TControls&) = default;
    };

    virtual ~TFindReplaceDialog();
    TFindReplaceDialog(const TFindReplaceDialog&) = delete;
    TFindReplaceDialog& operator=(const TFindReplaceDialog&) = delete;

    // Makes the dialog's window with the record's texts and options, shows
    // it and returns at once.
    void Create();
    bool IsOpen() const;
    TKind Kind() const { return DialogKind; }
    TWindow* GetOwner() const { return Owner; }
    TData& GetData() const { return Data; }
    TFindReplacePeer* GetPeer() const { return Peer.get(); }

    // Copies the flags of a notification's record into the data; without a
    // record, those of this dialog's last notification.
    void UpdateData(const TFindReplaceRecord* record = nullptr);

    // The number of the notification message.
    static unsigned NotifyMessage();

    // --- for the platform's window --------------------------------------------
    TControls InitialControls() const;
    // The window has taken the action (and hidden itself for Close): the
    // texts go into the record's buffers and the owner is told. The dialog
    // may be gone when this returns.
    void Act(TAction action, const TControls& controls);

protected:
    TFindReplaceDialog(TWindow* parent, TData& data, TKind kind);

private:
    TWindow* Owner;
    TData& Data;
    TKind DialogKind;
    TFindReplaceRecord Record;
    std::unique_ptr<TFindReplacePeer> Peer;
};

class TFindDialog : public TFindReplaceDialog {
public:
    TFindDialog(TWindow* parent, TData& data) : TFindReplaceDialog(parent, data, TKind::Find) {}
};

class TReplaceDialog : public TFindReplaceDialog {
public:
    TReplaceDialog(TWindow* parent, TData& data) : TFindReplaceDialog(parent, data, TKind::Replace) {}
};
