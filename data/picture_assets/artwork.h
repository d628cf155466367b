#pragma once
// The shipped picture collections, drawn here: overlay frames with their windows in the
// window colour, alpha frames in grey levels, and shade figures as white shapes on black.
#include <QImage>
#include <QString>
#include <vector>

struct TArtwork {
    QString Name;  // file name without extension (upper case, as identifier lists key it)
    QImage Image;  // 24 bits
};

// Overlay frames (genre "フレーム") and alpha frames (genre "アルファフレーム").
std::vector<TArtwork> OverlayFrames();
std::vector<TArtwork> AlphaFrames();

// A shade figure: its sharp picture; the soft-edged and preview pictures are made from it.
std::vector<TArtwork> ShadeShapes();
// The soft-edged picture of a shape: blurred in place.
QImage SoftEdged(const QImage& sharp);
// A small preview of a picture.
QImage Preview(const QImage& picture);
