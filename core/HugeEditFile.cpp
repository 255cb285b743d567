// New, Open, Save, the save-changes question, the progressive loader and
// the window-text queries.
#include "core/HugeEdit.h"

#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/Scroller.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Format(const char* pattern, const std::string& value)
{
    std::string text(pattern);
    const size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

std::string FormatError(const char* pattern, unsigned long error)
{
    std::string text(pattern);
    const size_t at = text.find("%ld");
    if (at != std::string::npos)
        text.replace(at, 3, std::to_string(error));
    return text;
}

// Why a path that exists cannot be opened as a document; empty when it can
// be read, or when it does not exist (that opens an empty document under
// its name).
std::string UnreadableReason(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return "It is a folder.";
    if (access(path.c_str(), R_OK) != 0)
        return std::strerror(errno);
    if (S_ISREG(info.st_mode) && info.st_size > MaxDocumentLength)
        return "The file is larger than the " + std::to_string(MaxDocumentLength / (1024 * 1024)) +
               " MiB a document can hold.";
    return {};
}

}  // namespace

void THugeEdit::NewDocument()
{
    if (Loading || !CanClose())
        return;
    FileData.FileName.clear();
    Reset();
    Invalidate();
    UpdateScrollRange();
    UpdateCaret(true);
    Modified = false;
    SetDocTitle(FileData.FileName, 0);
}

void THugeEdit::Open(const std::string& path)
{
    // A second Open arriving while a file loads waits for the user to ask
    // again: the load in progress owns the rows.
    if (Loading)
        return;
    std::string local = path;
    if (local.empty()) {
        TOpenSaveData dialog = FileData;
        dialog.FileName.clear();
        dialog.Error = 0;
        if (!RunFileOpenDialog(this, dialog)) {
            if (dialog.Error != 0)
                MessageBox(this, FormatError("GetOpenFileName returned Error #%ld", dialog.Error), "WARNING",
                           MB_ICONSTOP | MB_OK);
            return;
        }
        local = dialog.FileName;
    }
    if (!CanClose())
        return;
    const std::string reason = UnreadableReason(local);
    if (!reason.empty()) {
        MessageBox(this, "Cannot open " + local + "\n" + reason, "WARNING", MB_ICONSTOP | MB_OK);
        return;
    }
    TTextInput input = TTextInput::FromFile(local);
    ReadText(input);
    Modified = false;
    FileData.FileName = local;
    SetDocTitle(FileData.FileName, 0);
    if (CloseAfterLoad) {
        CloseAfterLoad = false;
        TWindow* top = this;
        while (top->GetParent())
            top = top->GetParent();
        top->PostMessage(WM_CLOSE);
    }
}

bool THugeEdit::Save(const std::string* path)
{
    const std::string previousName = FileData.FileName;
    if (path == nullptr)
        FileData.FileName.clear();
    else if (path != &FileData.FileName)
        FileData.FileName = *path;
    if (FileData.FileName.empty()) {
        FileData.Flags &= ~OFN_FILEMUSTEXIST;
        FileData.Error = 0;
        const bool chosen = RunFileSaveDialog(this, FileData);
        FileData.Flags |= OFN_FILEMUSTEXIST;
        if (!chosen) {
            if (FileData.Error != 0)
                MessageBox(this, FormatError("GetSaveFileName returned Error #%ld", FileData.Error), "WARNING",
                           MB_ICONSTOP | MB_OK);
            FileData.FileName = previousName;
            return false;
        }
    }
    std::string error;
    if (!SaveRowsToFile(Lines, FileData.FileName, error)) {
        // The old file is untouched and the document stays modified, under
        // the name it had.
        MessageBox(this, error, "WARNING", MB_ICONSTOP | MB_OK);
        FileData.FileName = previousName;
        return false;
    }
    Modified = false;
    SetDocTitle(FileData.FileName, 0);
    return true;
}

bool THugeEdit::CanClose()
{
    if (!TWindow::CanClose())
        return false;
    if (Loading) {
        // The loader is on the stack below us: stop it, and close once it
        // has returned.
        LoadAbandoned = true;
        CloseAfterLoad = true;
        return false;
    }
    if (!Modified)
        return true;
    const std::string name = FileData.FileName.empty() ? "document" : FileData.FileName;
    switch (MessageBox(this, Format("Save changes to %s?", name), "Save File?", MB_ICONEXCLAMATION | MB_YESNOCANCEL)) {
    case IDYES:
        return Save(&FileData.FileName);
    case IDNO:
        return true;
    default:
        return false;
    }
}

TLoadResult THugeEdit::ReadText(TTextInput& input)
{
    Reset();
    Scroller->ScrollTo(0, 0);
    UpdateScrollRange();
    CaretRow = CaretCol = 0;
    UpdateCaret(true);
    Invalidate();

    const bool wasLocked = EditLocked;
    EditLocked = true;
    Loading = true;
    LoadAbandoned = false;
    Lines.Clear();

    const TLoadOptions options{WordWrap, WindowCols, TabSize};
    auto progress = [this](TRowIndex rowsStored) {
        UpdateScrollRange();
        if (rowsStored <= WindowRows)
            Invalidate();
        if (TWindow* parent = GetParent())
            parent->PostMessage(WM_ENTERIDLE, 0, 0);
        Platform::PumpWaitingMessages();
        return LoadAbandoned ? 0 : WindowRows;
    };
    const TLoadResult result = LoadText(Lines, input, options, WindowRows, progress);
    EnsureNonEmpty();

    Loading = false;
    EditLocked = wasLocked;
    ClampPosition(CaretRow, CaretCol);
    if (HasSelection)
        ClampPosition(AnchorRow, AnchorCol);
    UpdateScrollRange();
    UpdateCaret(true);
    Invalidate();
    return result;
}

bool THugeEdit::WriteText(TTextOutput& output) { return WriteRows(Lines, output); }

int64_t THugeEdit::GetTextLength()
{
    int64_t length = 1;
    for (TRowIndex r = 0; r < Lines.Size(); ++r)
        length += int64_t(Lines[r].size()) + (Lines[r].EndsWithLineEnd() ? 1 : 0);
    return length;
}

size_t THugeEdit::GetText(char* buffer, size_t size) { return CopyRowsToBuffer(Lines, buffer, size); }
