#pragma once
// TMetafile: Windows metafiles (WMF, with or without the placeable header, and EMF), kept
// as their bytes and saved unchanged. The size comes from the header; drawing is not
// supported yet, so a metafile draws nothing.
#include "graphics/picture/graphic.h"

class TMetafile : public TGraphic {
    LR_CLASS(TMetafile, TGraphic)
public:
    bool Empty() const override { return data_.isEmpty(); }
    // The size in screen pixels, from the header's physical size (0 when a plain WMF has
    // none).
    int Width() const override;
    int Height() const override;
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    // Accepts an EMF file or a WMF file (with or without the placeable header); fails with
    // "イメージの読み込みに失敗しました" otherwise.
    void LoadFromBytes(const QByteArray& data) override;
    QByteArray SaveToBytes() const override { return data_; }
    void Assign(const TPersistent& source) override;

    bool Enhanced() const { return enhanced_; }
    // The physical size in 0.01 mm.
    QSize MMSize() const { return mmSize_; }

private:
    QByteArray data_;
    bool enhanced_ = false;
    QSize mmSize_;
};
