// Every kind of single keystroke at the start, the middle and the end of a
// large document, each with its Undo and Redo, and pastes of several lines
// into a wrapped paragraph. A keystroke is timed from its message to the
// end of the paint it causes.
#include "bench/BenchCases.h"

#include "bench/BenchEditor.h"
#include "bench/Measure.h"
#include "framework/Platform.h"

#include <functional>
#include <string>

namespace {

// Where a keystroke goes: a row near the place with what the kind needs.
using TFinder = std::function<bool(const THugeEdit&, TRowIndex row, TRowIndex& col)>;

struct TKeyKind {
    const char* Name;
    TFinder Find;
    std::function<void(TBenchEditor&)> Press;
};

bool Long(const THugeEdit& e, TRowIndex row) { return e.Lines[row].size() >= 12; }

TRowIndex MiddleOf(const THugeEdit& e, TRowIndex row)
{
    // Inside a word, so that the keystroke does not begin one.
    const std::string_view text = e.Lines[row].View();
    TRowIndex col = TRowIndex(text.size() / 2);
    while (col > 1 && (text[size_t(col)] == ' ' || text[size_t(col) - 1] == ' '))
        --col;
    return col;
}

void Char(TBenchEditor& e, char c) { e.SendMessage(WM_CHAR, static_cast<unsigned char>(c)); }
void KeyDown(TBenchEditor& e, unsigned vk) { e.SendMessage(WM_KEYDOWN, vk); }

std::vector<TKeyKind> KeyKinds(bool wrapped)
{
    const TFinder middle = [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
        c = MiddleOf(e, r);
        return Long(e, r);
    };
    std::vector<TKeyKind> kinds = {
        {"typed character", middle, [](TBenchEditor& e) { Char(e, 'x'); }},
        {"typed character after a space",
         [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
             const std::string_view text = e.Lines[r].View();
             const size_t space = text.find(' ', 1);
             c = TRowIndex(space + 1);
             return space != std::string_view::npos && space + 2 < text.size();
         },
         [](TBenchEditor& e) { Char(e, 'x'); }},
        {"Enter", middle, [](TBenchEditor& e) { KeyDown(e, VK_RETURN); }},
        {"Backspace joining two paragraphs",
         [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
             c = 0;
             return r > 0 && e.Lines[r - 1].EndsWithLineEnd() && Long(e, r);
         },
         [](TBenchEditor& e) { KeyDown(e, VK_BACK); }},
        {"Delete of a line end",
         [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
             c = TRowIndex(e.Lines[r].size()) - 1;
             return r + 1 < e.Lines.Size() && e.Lines[r].EndsWithLineEnd();
         },
         [](TBenchEditor& e) { KeyDown(e, VK_DELETE); }},
        {"Tab", middle, [](TBenchEditor& e) { Char(e, '\t'); }},
        {"overwrite of a line end",
         [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
             c = TRowIndex(e.Lines[r].size()) - 1;
             return r + 1 < e.Lines.Size() && e.Lines[r].EndsWithLineEnd();
         },
         [](TBenchEditor& e) {
             e.Overwrite = true;
             Char(e, 'x');
             e.Overwrite = false;
         }},
    };
    if (wrapped)
        kinds.push_back({"Backspace joining two rows",
                         [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
                             c = 0;
                             return r > 0 && !e.Lines[r - 1].EndsWithLineEnd() && Long(e, r);
                         },
                         [](TBenchEditor& e) { KeyDown(e, VK_BACK); }});
    return kinds;
}

// The first row from `from` on (or back from the end) that suits the kind.
bool FindPlace(const THugeEdit& e, const TFinder& find, TRowIndex from, bool backward, TRowIndex& row, TRowIndex& col)
{
    for (TRowIndex step = 0; step < 100000; ++step) {
        row = backward ? from - step : from + step;
        if (row < 0 || row >= e.Lines.Size())
            return false;
        if (find(e, row, col))
            return true;
    }
    return false;
}

double TimedPaint(TBenchEditor& edit, const std::function<void()>& action)
{
    TStopwatch watch;
    action();
    edit.UpdateWindow();
    return watch.Millis();
}

}  // namespace

int RunKeystrokeCase(TBenchEditor& edit, bool wrapped, int runs)
{
    if (wrapped) {
        edit.SetWordWrap(true);
        Settle(30);
    }
    const char* mode = wrapped ? "on" : "off";
    const struct {
        const char* Name;
        TRowIndex From;
        bool Backward;
    } places[] = {{"start", 1, false}, {"middle", edit.Lines.Size() / 2, false}, {"end", edit.Lines.Size() - 2, true}};
    for (const TKeyKind& kind : KeyKinds(wrapped)) {
        for (const auto& place : places) {
            TRowIndex row = 0, col = 0;
            if (!FindPlace(edit, kind.Find, place.From, place.Backward, row, col))
                continue;
            const std::string key = std::string("key|") + mode + "|" + kind.Name + "|" + place.Name;
            for (int run = 0; run < runs; ++run) {
                edit.SetCaret(row, col);
                edit.UpdateWindow();
                Report(key + "|press", TimedPaint(edit, [&] { kind.Press(edit); }));
                Report(key + "|rows", edit.LastReflowRows);
                Report(key + "|undo", TimedPaint(edit, [&] { edit.Undo(); }));
                Report(key + "|redo", TimedPaint(edit, [&] { edit.Redo(); }));
                edit.Undo();
            }
        }
    }
    return 0;
}

int RunPasteCase(TBenchEditor& edit, int runs)
{
    edit.SetWordWrap(true);
    Settle(30);
    std::string many;
    for (int i = 0; i < 10000; ++i)
        many += "pasted line " + std::to_string(i) + "\r\n";
    const struct {
        const char* Key;
        std::string Text;
    } pastes[] = {{"paste_3_ms", "pasted one\r\npasted two\r\npasted three "}, {"paste_10000_ms", many}};
    TRowIndex row = 0, col = 0;
    const TFinder inside = [](const THugeEdit& e, TRowIndex r, TRowIndex& c) {
        c = MiddleOf(e, r);
        return Long(e, r) && !e.Lines[r].EndsWithLineEnd() && r > 0 && !e.Lines[r - 1].EndsWithLineEnd();
    };
    if (!FindPlace(edit, inside, edit.Lines.Size() / 2, false, row, col))
        return 1;
    for (const auto& paste : pastes) {
        for (int run = 0; run < runs; ++run) {
            edit.SetCaret(row, col);
            edit.UpdateWindow();
            Report(paste.Key, TimedPaint(edit, [&] { edit.InsertText(paste.Text); }));
            edit.Undo();
            edit.UpdateWindow();
        }
    }
    return 0;
}
