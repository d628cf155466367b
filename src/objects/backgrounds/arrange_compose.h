#pragma once
// Composing an arranged image: the pictures drawn into a white 24-bit canvas by one of the
// arrangement layouts, with an 8-bit coverage mask (0 uncovered, 255 covered) of every pixel
// a picture set. Pictures come from a source that decodes each one reduced to the size it is
// drawn at, one at a time, so that 32 large photographs never sit in memory together.
#include "objects/backgrounds/arrange_layout.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class IProgressSink;

class IArrangePictures {
public:
    virtual int Count() const = 0;
    // The picture's full size; empty when it cannot be read.
    virtual QSize Size(int index) const = 0;
    // The picture decoded to about the target size (at least that large where it can be),
    // as a 24-bit image; null when it cannot be read.
    virtual QImage Load(int index, QSize target) const = 0;

protected:
    ~IArrangePictures() = default;
};

// Pictures in memory.
class TImageListPictures : public IArrangePictures {
public:
    explicit TImageListPictures(std::vector<QImage> images) : images_(std::move(images)) {}
    int Count() const override { return int(images_.size()); }
    QSize Size(int index) const override { return images_[index].size(); }
    QImage Load(int index, QSize) const override { return images_[index]; }

private:
    std::vector<QImage> images_;
};

// Pictures in files: sizes from the headers, JPEGs decoded at the coarsest DCT scale that
// covers the target, other formats decoded whole and reduced.
class TFilePictures : public IArrangePictures {
public:
    explicit TFilePictures(QStringList paths);
    int Count() const override { return int(paths_.size()); }
    QSize Size(int index) const override { return sizes_[index]; }
    QImage Load(int index, QSize target) const override;

private:
    QStringList paths_;
    std::vector<QSize> sizes_;
};

struct TArrangeSettings {
    TArrangeStyle Style = asNone;
    bool Transform = true;   // bend pictures into the sectors
    bool Rotate = false;     // turn pictures with the ring
    bool Reverse = false;    // face outwards
    bool TileRepeat = false; // repeat pictures to fill the rows
    bool CoverCanvas = false; // rows repeat until they cover the whole canvas
    bool ShiftRows = false;   // covering rows: every second one staggered by half a picture
    std::vector<TLayoutSlot> Slots; // the fixed layout's slots
};

struct TArrangement {
    QImage Colour; // Format_BGR888
    QImage Mask;   // Format_Grayscale8
};

// The canvas side of an arranged image made for an area of that size in logical units:
// min(width, height) * 180 / 254.
int ArrangeCanvasSide(int baseWidth, int baseHeight);

// The placements of the style on a canvas of that size (ring styles use its width as side).
std::vector<TPlacement> ArrangePlacements(const TArrangeSettings& settings, QSize canvas,
                                          const std::vector<QSize>& sizes, const TRandomSource& random,
                                          QSize* used = nullptr);

// Draws the pictures by the style into a new canvas of that size; the progress advances
// once per picture drawn. Rows cut the result to the part used. asNone gives null images.
TArrangement ComposeArrangement(const TArrangeSettings& settings, QSize canvas, const IArrangePictures& pictures,
                                const TRandomSource& random = DefaultRandomSource(), IProgressSink* progress = nullptr);

// One placement drawn into an arrangement (the picture already at about its size).
void DrawPlacement(TArrangement& target, const TPlacement& placement, const QImage& picture, bool transform);
