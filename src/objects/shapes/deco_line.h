#pragma once
// TLODecoLine: a decorative rule whose body is a picture tile repeated along the line. The
// strip of tiles is rendered once, mapped onto the line's outline, into a cached picture
// whose colour 0xF0F0F0 is transparent; moving the line keeps the cache, any other change
// of its geometry or picture rebuilds it. Its line colour is kept but never drawn.
#include "objects/shapes/line_shape.h"

#include <QImage>
#include <array>

class TPictureEx;

class TLODecoLine : public TLOLine {
    LR_CLASS(TLODecoLine, TLOLine)
public:
    // The key colour of tile pixels that let the label show through.
    static constexpr unsigned kKeyColor = 0xF0F0F0;

    TLODecoLine();
    ~TLODecoLine() override;

    TPictureEx* Image() { return image_.get(); }
    const TPictureEx* Image() const { return image_.get(); }

    // A width of 0 or less becomes 1.
    void SetLineWidth(int width) override;
    // A new line six tiles long at 180 dots per inch, from (0, 0) to the right.
    void FitToImage();

    // The line widened by 2 units more than half its width on either side, flat at the
    // ends: top-left, top-right, bottom-right, bottom-left as the strip of tiles runs.
    std::array<QPointF, 4> OutlineCorners() const;
    // The cached rendering (ARGB, transparent where the tiles hold the key colour), empty
    // until the line is painted or after a change.
    const QImage& Cache() const { return cache_; }
    bool HasCache() const { return !cache_.isNull(); }

    void Paint(TCanvas& canvas) override;
    void DrawOutline(TCanvas& canvas) override;
    void Notify(TObject* sender, const TNotifyId& id) override;
    void AssignTo(TPersistent& target) const override;

protected:
    void PointsChanged() override { DropCache(); }

private:
    void DropCache();
    void Render();

    std::unique_ptr<TPictureEx> image_;
    QImage cache_;
    // The cache's box less the normalised start-end box: left, top, right, bottom.
    std::array<int, 4> offset_{};
};

// The strip of tiles along a line of the given length and width: n = length x tile height
// div (tile width x width) tiles, at least 1, each stretched into the next stretch up to
// length x i / n, on the key colour. Empty for an empty tile, length or width.
QImage RenderTileStrip(const QImage& tile, int length, int width);
