#pragma once
// The pictures of the shipped background library, drawn here: soft gradients, stripes,
// dots, waves, rings, a starry sky and the like, each square and deterministic.
#include <QImage>
#include <vector>

struct TLibraryArt {
    const char* Stem;  // file name without extension
    const char* Title; // shown with the thumbnail
    const char* Genre; // the list's section
    QImage Picture;
};

std::vector<TLibraryArt> DrawLibraryArt(int side);
