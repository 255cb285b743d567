// New, Open, Save, the save-changes question, the progressive loader and
// the window-text queries.
#include "core/HugeEdit.h"

#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/Scroller.h"

#include <algorithm>
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

std::string TooLongText(int64_t limit)
{
    return "The text is longer than the " + std::to_string(limit) + " characters a document can hold.";
}

// Why a path that exists cannot be opened as a document; empty when it can
// be read, or when it does not exist (that opens an empty document under
// its name). Only regular files are read: a FIFO or a device could block
// or never end.
std::string UnreadableReason(const std::string& path, int64_t limit)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return "It is a folder.";
    if (!S_ISREG(info.st_mode))
        return "It is not a regular file.";
    if (access(path.c_str(), R_OK) != 0)
        return std::strerror(errno);
    if (info.st_size > limit)
        return TooLongText(limit);
    return {};
}

// A question before a save; No is the default answer.
bool AskSaveAnyway(TWindow* owner, const std::string& text)
{
    return MessageBox(owner, text, "Save File?", MB_ICONEXCLAMATION | MB_YESNO | MB_DEFBUTTON2) == IDYES;
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
    const std::string reason = UnreadableReason(local, LengthLimit);
    if (!reason.empty()) {
        MessageBox(this, "Cannot open " + local + "\n" + reason, "WARNING", MB_ICONSTOP | MB_OK);
        return;
    }
    TTextInput input = OpenForReading(local);
    if (!input.IsOpen() && input.Error() != ENOENT) {
        // Gone or changed since it was looked at: the document stays.
        MessageBox(this, "Cannot open " + local + "\n" + std::strerror(input.Error()), "WARNING", MB_ICONSTOP | MB_OK);
        return;
    }
    const TLoadResult result = ReadText(input);
    Modified = false;
    TakeLoadedFile(local, input, result);
    if (CloseAfterLoad) {
        CloseAfterLoad = false;
        TWindow* top = this;
        while (top->GetParent())
            top = top->GetParent();
        top->PostMessage(WM_CLOSE);
    }
}

// Names the document after the file it was read from, unless nothing of
// the file could be taken; a failure is reported with the file's name.
void THugeEdit::TakeLoadedFile(const std::string& path, const TTextInput& input, TLoadResult result)
{
    if (result == TLoadResult::TooLarge) {
        // An empty document named after the file could be saved over it.
        SetDocTitle(FileData.FileName, 0);
        ShowLoadFailure(result, path);
        return;
    }
    FileData.FileName = path;
    // A file input knows the file as it was opened; others are looked up.
    Origin = {path, input.Stamp().Exists ? input.Stamp() : TFileStamp::Of(path), 0, {}, LastLoad.BytesRead};
    if (LastLoad.EndMarkAt >= 0 && Origin.Stamp.Exists)
        Origin.BytesAfterEndMark = std::max<int64_t>(0, Origin.Stamp.Size - LastLoad.EndMarkAt - 1);
    if (result == TLoadResult::ReadError)
        Origin.ReadFailure = std::strerror(LastLoad.ReadErrno);
    else if (result == TLoadResult::Abandoned)
        Origin.ReadFailure = "the load was stopped";
    SetDocTitle(FileData.FileName, 0);
    if (result == TLoadResult::ReadError)
        ShowLoadFailure(result, path);
}

void THugeEdit::ShowLoadFailure(TLoadResult result, const std::string& path)
{
    const std::string text = result == TLoadResult::TooLarge
                                 ? "Cannot open " + path + "\n" + TooLongText(LengthLimit)
                                 : "Cannot read " + path + ": " + Origin.ReadFailure + ".\nThe document holds only the first " +
                                       std::to_string(Origin.BytesRead) + " bytes of the file.";
    MessageBox(this, text, "WARNING", MB_ICONSTOP | MB_OK);
}

bool THugeEdit::ConfirmSaveOver(const std::string& path)
{
    if (!Origin.Names(path))
        return true;
    if (!Origin.ReadFailure.empty() &&
        !AskSaveAnyway(this, path + " could not be read completely (" + Origin.ReadFailure +
                                 "): the document holds only its first " + std::to_string(Origin.BytesRead) +
                                 " bytes. Saving will replace the whole file with them. Save anyway?"))
        return false;
    if (Origin.BytesAfterEndMark > 0 &&
        !AskSaveAnyway(this, path + " holds " + std::to_string(Origin.BytesAfterEndMark) +
                                 " bytes after its end-of-file mark that are not shown. Saving will remove them. "
                                 "Save anyway?"))
        return false;
    const TFileStamp now = TFileStamp::Of(path);
    if (now.Exists && !now.SameAs(Origin.Stamp) &&
        !AskSaveAnyway(this, path + " has been changed by another program since it was opened or saved. "
                                 "Overwrite the other program's version?"))
        return false;
    return true;
}

bool THugeEdit::Save(const std::string* path)
{
    // The rows of a file still loading are only part of it.
    if (Loading)
        return false;
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
    if (!ConfirmSaveOver(FileData.FileName)) {
        FileData.FileName = previousName;
        return false;
    }
    std::string error;
    if (!SaveRowsToFile(Lines, FileData.FileName, error)) {
        // The old file is untouched and the document stays modified, under
        // the name it had.
        MessageBox(this, error, "WARNING", MB_ICONSTOP | MB_OK);
        FileData.FileName = previousName;
        return false;
    }
    Origin = {FileData.FileName, TFileStamp::Of(FileData.FileName), 0, {}, 0};
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

    TLoadOptions options{WordWrap, WindowCols, TabSize};
    options.MaxLength = LengthLimit;
    LastLoad = {};
    auto progress = [this](TRowIndex rowsStored) {
        UpdateScrollRange();
        if (rowsStored <= WindowRows)
            Invalidate();
        if (TWindow* parent = GetParent())
            parent->PostMessage(WM_ENTERIDLE, 0, 0);
        Platform::PumpWaitingMessages();
        return LoadAbandoned ? 0 : WindowRows;
    };
    const TLoadResult result = LoadText(Lines, input, options, WindowRows, progress, &LastLoad);
    EnsureNonEmpty();
    LengthBound = LastLoad.BytesRead + 1;

    Loading = false;
    EditLocked = wasLocked;
    ClampPosition(CaretRow, CaretCol);
    if (HasSelection)
        ClampPosition(AnchorRow, AnchorCol);
    if (RewrapAfterLoad) {
        RewrapAfterLoad = false;
        RewrapAll();
    }
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
