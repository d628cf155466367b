#pragma once
// TColorSpec: how a filled area of a label is painted: a solid colour with a brush pattern,
// a picture (stretched or tiled, with the crop and filters of its image data), or a gradient
// of several colours in one of seven kinds. Every change of the fill, its image
// data or its gradient colours is announced once through its change notifier.
#include "core/persistent/color_type.h"
#include "core/notify.h"
#include "core/persistent/persistent.h"
#include "core/canvas/rect.h"
#include "graphics/color/color_fill_types.h"

#include <functional>
#include <memory>

class TCanvas;
class TGradationColors;
class TImageData;
class TLegacyBitmap;

class TColorSpec : public TPersistent, public IBroadcasterAccess {
    LR_CLASS(TColorSpec, TPersistent)
public:
    TColorSpec();
    ~TColorSpec() override;

    // --- published, in stream order -------------------------------------------------------
    TColor Color() const { return color_; }
    void SetColor(TColor color) { notify_.Store(color_, color); }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { notify_.Store(style_, style); }
    bool Tile() const { return tile_; }
    void SetTile(bool tile) { notify_.Store(tile_, tile); }
    // The kind in effect: the stored kind, except cskSolid for the bitmap kind while the
    // image data is empty. This is also the kind a stream stores.
    TColorSpecKind Kind() const;
    void SetKind(TColorSpecKind kind) { notify_.Store(kind_, kind); }
    TColorSpecKind StoredKind() const { return kind_; }
    bool TileShift() const { return tileShift_; }
    void SetTileShift(bool shift) { notify_.Store(tileShift_, shift); }
    TImageData* ImageData() { return imageData_.get(); }
    const TImageData* ImageData() const { return imageData_.get(); }
    int GradAngle() const { return gradAngle_; }
    void SetGradAngle(int angle) { notify_.Store(gradAngle_, angle); }
    rgGradationKind GradKind() const { return gradKind_; }
    void SetGradKind(rgGradationKind kind) { notify_.Store(gradKind_, kind); }
    TGradationColors* GradColors() { return gradColors_.get(); }
    const TGradationColors* GradColors() const { return gradColors_.get(); }
    // Handlers are wired in code and have no published name.
    QString OnChangeHandler() const { return {}; }

    // --- read from older documents only -----------------------------------------------------
    // "Bitmap": a bitmap read becomes the picture of the image data, unless it and the
    // current picture are both empty.
    TLegacyBitmap* LegacyBitmap() { return legacyBitmap_.get(); }
    const TLegacyBitmap* LegacyBitmap() const { return legacyBitmap_.get(); }
    // "GradDir": the direction of the kind and angle, and the kind and angle of a direction
    // (one change).
    rgGradationDir GradDir() const;
    void SetGradDir(int direction);
    // "GradColNum": the number of gradient colours.
    int GradColNum() const;
    void SetGradColNum(int count);
    // "GradColor0" ... "GradColor7": colour N of the gradient; a range error when reading
    // beyond the list, ignored when writing beyond it.
    template <int N>
    TColor GradColorAt() const;
    template <int N>
    void SetGradColorAt(TColor color);

    // Called after every completed change.
    void SetOnChange(std::function<void(TColorSpec* sender)> onChange) { onChange_ = std::move(onChange); }

    // --- painting -------------------------------------------------------------------------
    // Paints the fill into the logical rectangle (XORed onto the canvas with
    // invert). The canvas's font, pen, brush and copy mode are kept.
    void Fill(TCanvas& canvas, const TRect& rect, bool invert = false) const;
    // A sample for pickers, history previews and panels: a grey and white checkerboard of 8
    // x 8 pixel squares under the fill; a tiled picture is shown reduced so that a tile
    // takes at most 2/5 of the rectangle.
    void DrawSample(TCanvas& canvas, const TRect& rect) const;
    // A plain solid colour with the solid brush, which the canvas shows exactly.
    bool IsPureColor(const TCanvas& canvas) const;

    // From another fill, inside one change bracket: Kind, Color, Style, the image
    // data, Tile, TileShift, then the gradient settings only when the resulting kind is a
    // gradation.
    void Assign(const TPersistent& source) override;

    TChangeNotify& Notify() { return notify_; }
    IBroadcaster& Broadcaster() override { return notify_; }

private:
    void FillSolid(TCanvas& canvas, const TRect& rect) const;
    void DrawReducedTiles(TCanvas& canvas, const TRect& rect) const;

    bool tile_ = false;
    TColorSpecKind kind_ = cskSolid;
    TColor color_ = clBlack;
    TBrushStyle style_ = bsSolid;
    std::unique_ptr<TImageData> imageData_;
    bool tileShift_ = false;
    rgGradationKind gradKind_ = rgkSimple;
    int gradAngle_ = 270;
    std::unique_ptr<TGradationColors> gradColors_;
    std::unique_ptr<TLegacyBitmap> legacyBitmap_;
    std::function<void(TColorSpec*)> onChange_;
    TChangeNotify notify_{this};
    TListener listener_;
};
