#include "graphics/picture/graphic_registry.h"

#include "core/error.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/metafile.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace {

const std::array<TGraphicFormat, 9>& Formats()
{
    static const std::array<TGraphicFormat, 9> formats{{
        {"bmp", &TSafetyBitmap::StaticClassInfo()},
        {"cbm", &TSafetyBitmap::StaticClassInfo()},
        {"jpg", &TSafetyJPEGImage::StaticClassInfo()},
        {"jpeg", &TSafetyJPEGImage::StaticClassInfo()},
        {"png", &TPngImage::StaticClassInfo()},
        {"gif", &TGIFImage::StaticClassInfo()},
        {"wmf", &TMetafile::StaticClassInfo()},
        {"emf", &TMetafile::StaticClassInfo()},
        {"pcd", nullptr},
    }};
    return formats;
}

struct ClassName {
    const char* Name;
    const TClassInfo* GraphicClass;
};

} // namespace

const TGraphicFormat* FindGraphicFormat(const QString& extension)
{
    const QString wanted = extension.startsWith(u'.') ? extension.mid(1) : extension;
    for (const TGraphicFormat& format : Formats())
        if (wanted.compare(QLatin1String(format.Extension), Qt::CaseInsensitive) == 0)
            return &format;
    return nullptr;
}

const TClassInfo* FindGraphicClass(const QString& className)
{
    static const std::array<ClassName, 8> names{{
        {"TSafetyBitmap", &TSafetyBitmap::StaticClassInfo()},
        {"TBitmap", &TSafetyBitmap::StaticClassInfo()},
        {"TSafetyJPEGImage", &TSafetyJPEGImage::StaticClassInfo()},
        {"TJPEGImage", &TSafetyJPEGImage::StaticClassInfo()},
        {"TPngImage", &TPngImage::StaticClassInfo()},
        {"TGIFImage", &TGIFImage::StaticClassInfo()},
        {"TMetafile", &TMetafile::StaticClassInfo()},
        {"TIcon", &TIcon::StaticClassInfo()},
    }};
    for (const ClassName& entry : names)
        if (className.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0)
            return entry.GraphicClass;
    return nullptr;
}

QStringList GraphicFileExtensions()
{
    QStringList extensions;
    for (const TGraphicFormat& format : Formats())
        extensions.append(u'.' + QLatin1String(format.Extension));
    return extensions;
}

std::unique_ptr<TGraphic> CreateGraphic(const TClassInfo& graphicClass)
{
    return std::unique_ptr<TGraphic>(static_cast<TGraphic*>(graphicClass.Create()));
}

std::unique_ptr<TGraphic> LoadGraphicFile(const QString& path)
{
    const TGraphicFormat* format = FindGraphicFormat(QFileInfo(path).suffix());
    QFile file(path);
    if (!format || !format->GraphicClass || !file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes)
        throw EAppError(picturemsg::ImageLoadFailed());
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw EAppError(picturemsg::ImageLoadFailed());
    std::unique_ptr<TGraphic> graphic = CreateGraphic(*format->GraphicClass);
    graphic->LoadFromBytes(bytes);
    return graphic;
}
