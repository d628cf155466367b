#pragma once
// The graphic classes, registered by file extension and by class name. Extensions (without
// the dot, case-insensitive): bmp and cbm (TSafetyBitmap), jpg and jpeg (TSafetyJPEGImage),
// png (TPngImage), gif (TGIFImage), wmf and emf (TMetafile), and pcd for Photo CD pictures,
// which have no class here. Class names in picture data: each class's own name (TIcon
// included), and the plain names TBitmap and TJPEGImage for the bitmap and JPEG classes.
#include <QString>
#include <QStringList>
#include <memory>

class TClassInfo;
class TGraphic;

struct TGraphicFormat {
    const char* Extension;
    const TClassInfo* GraphicClass; // nullptr: known but not loadable here (Photo CD)
};

// The format registered for a file extension (with or without the leading dot), or
// nullptr.
const TGraphicFormat* FindGraphicFormat(const QString& extension);

// The graphic class for a class name in picture data, or nullptr.
const TClassInfo* FindGraphicClass(const QString& className);

// Every registered extension with its dot, in registration order.
QStringList GraphicFileExtensions();

// A new, empty graphic of a class.
std::unique_ptr<TGraphic> CreateGraphic(const TClassInfo& graphicClass);

// A file loaded through the graphic class registered for its extension. Fails with the
// class's message, or with "イメージの読み込みに失敗しました" for an extension without a
// class here or a file that cannot be read.
std::unique_ptr<TGraphic> LoadGraphicFile(const QString& path);
