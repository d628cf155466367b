#include "objects/deco/image_font.h"

#include "core/canvas/units.h"
#include "core/frame/data_files.h"
#include "core/frame/macro_string.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/graphic_registry.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <memory>

const QString kImageFontChars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!?");

LR_DEFINE_CLASS(TImageFont, TPersistent, LR_CREATABLE(TImageFont),
    prop::Integer("FontNo", &Self::FontNo, &Self::SetFontNo),
    prop::Integer("Height", &Self::Height, &Self::SetHeight).Default(16))

namespace {

// A positive whole number, or 0.
int NumberOf(const QString& name)
{
    bool ok = false;
    const int value = name.toInt(&ok);
    return ok && value > 0 ? value : 0;
}

// Names in the order of their numbers where both are numbers, else in text order.
bool NameBefore(const QString& a, const QString& b)
{
    bool okA = false;
    bool okB = false;
    const long long na = QFileInfo(a).completeBaseName().toLongLong(&okA);
    const long long nb = QFileInfo(b).completeBaseName().toLongLong(&okB);
    if (okA && okB && na != nb)
        return na < nb;
    return a < b;
}

bool IsPictureFile(const QFileInfo& file, const QStringList& extensions)
{
    const QString suffix = QLatin1Char('.') + file.suffix().toLower();
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](const QString& extension) { return extension.compare(suffix, Qt::CaseInsensitive) == 0; });
}

} // namespace

// --- glyph store -------------------------------------------------------------------------

TImageFontStore::TImageFontStore(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QStringList extensions = GraphicFileExtensions();
    for (const auto& [number, path] : FontFolders(folder)) {
        QStringList names;
        const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files | QDir::Readable);
        for (const QFileInfo& entry : entries)
            if (!entry.fileName().startsWith(QLatin1Char('.')) && IsPictureFile(entry, extensions))
                names.push_back(entry.fileName());
        std::sort(names.begin(), names.end(), NameBefore);
        for (const QString& name : names)
            files_.push_back(QDir(path).filePath(name));
    }
}

std::vector<std::pair<int, QString>> TImageFontStore::FontFolders(const QString& folder)
{
    std::vector<std::pair<int, QString>> folders;
    if (folder.isEmpty())
        return folders;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
        if (const int number = NumberOf(entry.fileName()))
            folders.emplace_back(number, entry.filePath());
    std::sort(folders.begin(), folders.end());
    return folders;
}

QString TImageFontStore::DefaultFolder()
{
    QString folder;
    if (TMacroString* macros = ApplicationMacros()) {
        try {
            folder = macros->Expand(QStringLiteral("$(ImageFontFolder:inessential)"));
        } catch (const std::exception&) {
            folder.clear();
        }
    }
    if (folder.isEmpty())
        folder = LocateDataFile(QStringLiteral("Font"));
    return folder;
}

TImageFontStore& TImageFontStore::Shared()
{
    static TImageFontStore store(DefaultFolder());
    return store;
}

int TImageFontStore::FileIndex(int fontNo, int glyph) const
{
    const long long count = files_.size();
    if (count == 0 || glyph < 0 || glyph >= kGlyphsPerFont)
        return -1;
    const long long font = std::max(fontNo, 1);
    const long long index = (glyph + kGlyphsPerFont * font - kGlyphsPerFont) % count;
    return static_cast<int>(index < 0 ? index + count : index);
}

QImage TImageFontStore::Glyph(int fontNo, int glyph)
{
    const int index = FileIndex(fontNo, glyph);
    if (index < 0)
        return {};
    const auto cached = std::find_if(cache_.begin(), cache_.end(), [&](const auto& entry) { return entry.first == index; });
    if (cached != cache_.end()) {
        cache_.splice(cache_.begin(), cache_, cached);
        return cache_.front().second;
    }
    QImage picture;
    try {
        picture = WithImageFontTransparency(LoadGraphicFile(files_[index])->ToImage());
    } catch (const std::exception&) {
        picture = QImage();
    }
    if (picture.height() <= 0 || picture.width() <= 0)
        picture = QImage();
    cache_.emplace_front(index, picture);
    if (static_cast<int>(cache_.size()) > kCachedPictures)
        cache_.pop_back();
    return picture;
}

QImage WithImageFontTransparency(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == kImageFontTransparent)
                line[x] = 0;
    }
    return image;
}

// --- font --------------------------------------------------------------------------------

void TImageFont::SetFontNo(int fontNo)
{
    notify_.Store(fontNo_, fontNo);
}

void TImageFont::SetHeight(int height)
{
    notify_.Store(height_, height);
}

int TImageFont::GlyphIndex(QChar c)
{
    return static_cast<int>(kImageFontChars.indexOf(c));
}

QImage TImageFont::GlyphPicture(QChar c) const
{
    const int glyph = GlyphIndex(c);
    return glyph < 0 ? QImage() : Store().Glyph(fontNo_, glyph);
}

QSize TImageFont::GlyphSize(QChar c) const
{
    const QImage picture = GlyphPicture(c);
    if (picture.isNull())
        return {height_ / 3, height_};
    return {MulDiv(picture.width(), height_, picture.height()), height_};
}

QSize TImageFont::Measure(const QString& text) const
{
    int width = 0;
    int height = 0;
    for (const QChar c : text) {
        const QSize size = GlyphSize(c);
        width += size.width();
        height = std::max(height, size.height());
    }
    return {width, height};
}

int TImageFont::DrawChar(TCanvas& canvas, int x, int y, QChar c) const
{
    const QImage picture = GlyphPicture(c);
    if (picture.isNull())
        return height_ / 3;
    const int width = MulDiv(picture.width(), height_, picture.height());
    DrawImageStretched(canvas, TRect(x, y, x + width, y + height_), picture);
    return width;
}

void TImageFont::DrawText(TCanvas& canvas, int x, int y, const QString& text) const
{
    for (const QChar c : text)
        x += DrawChar(canvas, x, y, c);
}

void TImageFont::Assign(const TPersistent& source)
{
    if (const auto* font = dynamic_cast<const TImageFont*>(&source)) {
        TUpdateBracket bracket(notify_);
        SetFontNo(font->fontNo_);
        SetHeight(font->height_);
        return;
    }
    TPersistent::Assign(source);
}
