#pragma once
// Preview pictures of a face with its objects (thumbnails stored with documents and shown
// in browsers).
#include <QImage>
#include <QSize>
#include <memory>
#include <vector>

class TDrawObject;
class TFaceInfo;

// Base percentage that renders at zoom 100 (what documents use).
inline constexpr int kPreviewNaturalZoom = -1;

// Renders the face's objects (in face coordinates: the outer rectangle's top-left is the
// origin) into a 24-bit picture at most maxSize pixels large, with everything outside the
// face's outline and inside its hole left blank (white). With basePercent -1 the face is
// drawn at zoom 100 on a screen-resolution bitmap; otherwise at basePercent of the zoom
// that fits it into maxSize, at most 100. The objects are lent to a hidden draw site while
// rendering and are back in the vector, in the same order, when the call returns or
// throws. Returns a null image for an empty face or size.
QImage RenderFacePreview(const TFaceInfo& info, std::vector<std::unique_ptr<TDrawObject>>& objects, QSize maxSize,
                         int basePercent);
