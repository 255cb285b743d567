// TUIFace: the face of a button: its background and its image in one of the
// four states a tool-bar button shows. The normal face is the image on the
// face colour; a down (checked) face has a dotted background of face and
// highlight with the image moved one pixel down and right; a disabled face
// is the image's outline embossed in highlight and shadow; an indeterminate
// face is the outline in shadow on the dotted background.
#pragma once

#include "framework/DC.h"
#include "framework/Dib.h"

class TUIFace {
public:
    enum TState { Normal, Down, Indeterm, Disabled };

    TUIFace(const TRect& faceRect, const TDib& image, TColor faceColour = SysColor(COLOR_BTNFACE))
        : Face(faceRect), Image(image), FaceColour(faceColour)
    {
    }

    // Draws the image from srcOrigin on, centred in the face; pressed moves
    // it one pixel down and right. fillFace paints the background first.
    void Paint(TDC& dc, TPoint srcOrigin, TState state, bool pressed, bool fillFace = true) const;

    // The image with its face-coloured pixels transparent, so a background
    // shows through them.
    static TDib WithoutBackground(const TDib& image, TColor faceColour);
    // The image's drawn pixels (neither face nor highlight) in one colour,
    // the rest transparent.
    static TDib Outline(const TDib& image, TColor faceColour, TColor colour);
    // A checkerboard of face and highlight.
    static TDib Dither(int width, int height, TColor faceColour);

private:
    TRect Face;
    const TDib& Image;
    TColor FaceColour;
};
