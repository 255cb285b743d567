// TIEButtonGadget: a flat tool-bar button. Until the mouse comes it shows a
// grey image and no edge; under the mouse it shows its coloured glyph on a
// raised edge, and pressed or switched on it sits in a pressed-in edge.
#pragma once

#include "framework/ButtonGadget.h"

class TIEButtonGadget : public TButtonGadget {
public:
    // The glyph is bitmap resource glyphId, the grey image the resource
    // with the command's id + 1000; both take the desktop's colours.
    TIEButtonGadget(int glyphId, int id, TType type = Command, bool enabled = false, TState state = Up,
                    bool repeat = false);

    bool Hot = false;  // the mouse is over the button
    TDib ColdImage;    // shown while the mouse is elsewhere

    // What a paint shows now: the edge, the face's state, whether the face
    // is drawn pressed, and the image it is drawn from.
    struct TLook {
        TBorder Border;
        TUIFace::TState Face;
        bool Pressed;
        const TDib* Image;
    };
    TLook Look() const;

    void Paint(TDC& dc) override;
    void PaintBorder(TDC& dc) override;
    void MouseEnter(unsigned modKeys, const TPoint& point) override;
    void MouseLeave(unsigned modKeys, const TPoint& point) override;
};
