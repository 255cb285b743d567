// TSDIDecFrame: the main window. A decorated frame around one document
// window (the editor); it names itself after the document and writes the
// settings when it is destroyed. It owns its client and its decorations.
#pragma once

#include "framework/Frame.h"

#include <memory>
#include <string>
#include <vector>

class TSDIDecFrame : public TDecoratedFrame {
public:
    // Without a client the frame makes a plain editor window.
    TSDIDecFrame(TWindow* parent, const std::string& caption, std::unique_ptr<TWindow> client,
                 bool trackMenuSelection);
    ~TSDIDecFrame() override;

    const char* GetClassName() const override { return "TSDIDecFrame"; }

    // Takes ownership of a bar and lays it out along an edge.
    template <class TBar>
    TBar& InsertOwned(std::unique_ptr<TBar> bar, TLocation location)
    {
        TBar& placed = *bar;
        Insert(placed, location);
        Decorations.push_back(std::move(bar));
        return placed;
    }

    // Caption "base name - application" (DocCaption).
    bool SetDocTitle(const std::string& docName, int index) override;
    std::string LoadHint(unsigned id) const override;
    // The menu item's text for a command on the menu, else the hint's tool
    // tip part.
    std::string GetToolTipText(unsigned id) const override;

private:
    // The client is built before the base, so the constructors delegate.
    struct TClientMade {};
    TSDIDecFrame(TWindow* parent, const std::string& caption, std::unique_ptr<TWindow> client,
                 bool trackMenuSelection, TClientMade);

    std::unique_ptr<TWindow> Client;
    std::vector<std::unique_ptr<TWindow>> Decorations;

    void WriteSettings() const;
};
