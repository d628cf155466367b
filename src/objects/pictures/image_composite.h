#pragma once
// The composite of a picture object: the processed picture with its transparency, an
// optional frame picture laid over it (an overlay with a see-through window, or an alpha
// frame whose grey levels fade the picture), turned by the object's angle.
#include <QImage>
#include <QSize>

// The colour that marks the window of an overlay frame, where the picture shows through,
// and the colour of an overlay frame that is see-through in the result.
inline constexpr QRgb kFrameWindowColour = 0xF0F0F0;
inline constexpr QRgb kFrameClearColour = 0x907060; // red 0x90, green 0x70, blue 0x60

struct TCompositeSource {
    QImage Picture;       // the processed picture (any format; alpha is flattened on white)
    QImage PictureCover;  // its coverage (Grayscale8, 255 shows), null for all opaque
    QImage Frame;         // the frame picture, null for none
    bool AlphaFrame = false;
    int Angle = 0;        // degrees, clockwise on the page
    QSize ObjectSize;     // the object's logical size: a turned composite takes its aspect
};

struct TImageComposite {
    QImage Colour;     // 24 bits
    QImage Cover;      // Grayscale8 of the colour's size: 255 where the picture shows
    QImage FrameAlpha; // Grayscale8 of the colour's size for an alpha frame, else null

    bool Empty() const { return Colour.isNull(); }
    // The colour with the cover as its alpha channel, for plain painting.
    QImage Masked() const;
    // The cover with the alpha frame's levels combined in (bitwise and), for blending.
    QImage Coverage() const;
};

// Builds the composite at the picture's pixel size; turned, it is mapped onto the object's
// aspect fitted inside that size and rotated, with uncovered corners white and uncovered.
TImageComposite BuildImageComposite(const TCompositeSource& source);
