#include "graphics/picture/resource_image_loader.h"

#include "core/error.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/metafile.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"
#include "graphics/picture/resource_file.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

LR_DEFINE_CLASS(TResourceImageLoader, TPersistent, LR_ABSTRACT,
                prop::String("ResFile", &Self::ResFile, &Self::SetResFile),
                prop::String("ResType", &Self::ResType, &Self::SetResType),
                prop::String("ResName", &Self::ResName, &Self::SetResName),
                prop::Boolean("AutoLoad", &Self::AutoLoad, &Self::SetAutoLoad).Default(1))

namespace {

bool IsType(const QString& type, const char* name)
{
    return type.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The graphic a resource of that type holds.
std::unique_ptr<TGraphic> GraphicFromResource(const QString& type, const QByteArray& data)
{
    if (IsType(type, "RT_BITMAP") || IsType(type, "CBM")) {
        auto bitmap = std::make_unique<TSafetyBitmap>();
        bitmap->LoadFromDIB(data);
        return bitmap;
    }
    if (IsType(type, "RT_ICON")) {
        auto icon = std::make_unique<TIcon>();
        icon->LoadFromIconResource(data);
        return icon;
    }
    std::unique_ptr<TGraphic> graphic;
    if (IsType(type, "METAFILE"))
        graphic = std::make_unique<TMetafile>();
    else if (IsType(type, "JPEG"))
        graphic = std::make_unique<TSafetyJPEGImage>();
    else
        throw EAppError(picturemsg::ImageLoadFailed());
    graphic->LoadFromBytes(data);
    return graphic;
}

} // namespace

void TResourceImageLoader::SetResFile(const QString& file)
{
    if (file != resFile_) {
        resFile_ = file;
        NameChanged();
    }
}

void TResourceImageLoader::SetResType(const QString& type)
{
    if (type != resType_) {
        resType_ = type;
        NameChanged();
    }
}

void TResourceImageLoader::SetResName(const QString& name)
{
    if (name != resName_) {
        resName_ = name;
        NameChanged();
    }
}

void TResourceImageLoader::NameChanged()
{
    if (autoLoad_ && !resFile_.isEmpty() && !resType_.isEmpty() && !resName_.isEmpty())
        Load();
}

void TResourceImageLoader::Load()
{
    // The program carries no resources of its own: without a file nothing can be found.
    const QString notFound = picturemsg::ResourceNotFound(resName_);
    if (resFile_.isEmpty())
        throw EAppError(notFound);
    QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(resFile_));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes)
        throw EAppError(notFound);
    const std::optional<QByteArray> data =
        FindResource(file.readAll(), TResourceId::FromType(resType_), TResourceId::FromName(resName_));
    if (!data)
        throw EAppError(notFound);
    if (!onLoad_ || !onLoad_(*data, picture_))
        picture_.SetGraphic(GraphicFromResource(resType_, *data));
    picture_.SetFromResource(true);
}
