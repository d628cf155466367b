#pragma once
// Image fonts: 64 characters whose glyphs are pictures, one numbered folder of pictures
// per font below the image-font folder, with 0xF0F0F0 as the transparent colour.
//
// The glyph store lists the picture files of the numbered font folders (folders in the
// order of their numbers, files in the order of their names) and keeps at most 64
// decoded pictures. The glyph of index g in font n is file (g + 64 n - 64) modulo the
// number of files, so that a font number beyond the shipped ones wraps around.
#include "core/notify.h"
#include "core/persistent/persistent.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <list>
#include <utility>
#include <vector>

class TCanvas;

// The characters with glyphs, in glyph order.
extern const QString kImageFontChars;
// The colour of a glyph picture that is not drawn.
inline constexpr QRgb kImageFontTransparent = 0xF0F0F0;

class TImageFontStore {
public:
    static constexpr int kGlyphsPerFont = 64;
    static constexpr int kCachedPictures = 64;

    // The store of the numbered font folders below the folder (none when it is empty).
    explicit TImageFontStore(const QString& folder);

    // The program's store over the image-font folder: "$(ImageFontFolder:inessential)"
    // when that macro is set, else the data folder's "Font"; made on first use.
    static TImageFontStore& Shared();
    // The image-font folder the shared store reads.
    static QString DefaultFolder();
    // The numbered font folders (a name that is a positive integer), by number.
    static std::vector<std::pair<int, QString>> FontFolders(const QString& folder);

    const QStringList& Files() const { return files_; }
    // The file of glyph g in font n (font numbers below 1 read as 1), or -1 without files.
    int FileIndex(int fontNo, int glyph) const;
    // The decoded glyph picture, or a null image when there is no file or it cannot be
    // read or has no height.
    QImage Glyph(int fontNo, int glyph);

private:
    QStringList files_;
    std::list<std::pair<int, QImage>> cache_; // most recently used first
};

// One image font: the font number and the glyph height in logical units (16 by default,
// not stored then). Every effective change of either is broadcast.
class TImageFont : public TPersistent {
    LR_CLASS(TImageFont, TPersistent)
public:
    TImageFont() = default;

    int FontNo() const { return fontNo_; }
    void SetFontNo(int fontNo);
    int Height() const { return height_; }
    void SetHeight(int height);
    TChangeNotify& Notifier() { return notify_; }
    // The glyph store the font reads: the shared one unless another is given.
    void SetStore(TImageFontStore* store) { store_ = store; }
    TImageFontStore& Store() const { return store_ ? *store_ : TImageFontStore::Shared(); }

    // The glyph index of a character (0 .. 63), or -1.
    static int GlyphIndex(QChar c);
    // A glyph's width scaled to the height; characters without a glyph are a third of
    // the height wide.
    QSize GlyphSize(QChar c) const;
    QSize Measure(const QString& text) const;
    // Draws the character's glyph stretched into (x, y, width, Height), the transparent
    // colour left out; nothing for a character without a glyph. Returns the width.
    int DrawChar(TCanvas& canvas, int x, int y, QChar c) const;
    void DrawText(TCanvas& canvas, int x, int y, const QString& text) const;

    void Assign(const TPersistent& source) override;

private:
    QImage GlyphPicture(QChar c) const;

    int fontNo_ = 1;
    int height_ = 16;
    TImageFontStore* store_ = nullptr;
    TChangeNotify notify_{this};
};

// The picture with every pixel of the transparent colour made fully transparent.
QImage WithImageFontTransparency(const QImage& picture);
