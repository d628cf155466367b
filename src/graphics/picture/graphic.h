#pragma once
// TGraphic: the base of every graphic a picture can hold (bitmaps, JPEG, PNG and GIF
// images, metafiles, icons). A graphic loads from and saves to its file format, draws
// itself stretched into a rectangle, and reports every change of its content to its owner.
#include "core/persistent/persistent.h"
#include "core/canvas/rect.h"

#include <QByteArray>
#include <QImage>
#include <functional>
#include <memory>

class TCanvas;

class TGraphic : public TPersistent {
    LR_CLASS(TGraphic, TPersistent)
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Draws the graphic stretched into a rectangle in the canvas's logical coordinates (a
    // rectangle with right < left or bottom < top mirrors it).
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

    // Replaces the content by a file's bytes; fails with the graphic's own message and keeps
    // the previous content when the bytes are not a valid file of its kind.
    virtual void LoadFromBytes(const QByteArray& data) = 0;
    // The content as a file of the graphic's kind.
    virtual QByteArray SaveToBytes() const = 0;

    // The content as pixels (possibly with an alpha channel): the graphic drawn on white
    // unless a class has its own pixels; fails with "イメージの読み込みに失敗しました" when the
    // size is beyond the picture bounds.
    virtual QImage ToImage() const;

    // A new graphic of the same class with the same content.
    std::unique_ptr<TGraphic> Clone() const;

    // Tells the owner that the content changed; classes call it after every change, and
    // code that draws into a bitmap's pixels calls it when done.
    virtual void Changed();
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    std::function<void()> onChange_;
};

// Draws an image stretched into a rectangle in the canvas's logical coordinates (mirrored
// when the rectangle is reversed).
void DrawImageStretched(TCanvas& canvas, const TRect& rect, const QImage& image);

// The pixels on a white background without alpha: 24 bits, or the image itself when it has
// no alpha channel.
QImage FlattenOnWhite(const QImage& image);
