#include "graphics/picture/picture_ex.h"

#include "core/error.h"
#include "graphics/picture/graphic_registry.h"
#include "graphics/picture/metafile.h"
#include "graphics/picture/picture_data.h"
#include "graphics/picture/picture_messages.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"
#include "graphics/picture/zlib_container.h"

#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>

LR_DEFINE_CLASS(TPictureEx, TPersistent, LR_CREATABLE(TPictureEx),
                prop::String("ImageID", &Self::ImageID, &Self::SetImageID),
                prop::String("StorageID", &Self::StorageID, &Self::SetStorageID))

namespace {

const QString kDeviceIndependentBitmap = QStringLiteral("image/bmp");
const QString kEnhancedMetafile = QStringLiteral("image/x-emf");

[[noreturn]] void LoadFailed()
{
    throw EAppError(picturemsg::ImageLoadFailed());
}

} // namespace

TPictureEx::TPictureEx() = default;

TPictureEx::~TPictureEx() = default;

void TPictureEx::Install(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->SetOnChange([this] { GraphicChanged(); });
    fromResource_ = false;
}

void TPictureEx::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    Install(std::move(graphic));
    GraphicChanged();
}

void TPictureEx::GraphicChanged()
{
    fromResource_ = false;
    notify_.Changed();
}

int TPictureEx::Width() const
{
    return graphic_ ? graphic_->Width() : 0;
}

int TPictureEx::Height() const
{
    return graphic_ ? graphic_->Height() : 0;
}

TSafetyBitmap& TPictureEx::Bitmap()
{
    if (!dynamic_cast<TSafetyBitmap*>(graphic_.get()))
        Install(std::make_unique<TSafetyBitmap>());
    return static_cast<TSafetyBitmap&>(*graphic_);
}

TSafetyJPEGImage& TPictureEx::JPEG()
{
    if (!dynamic_cast<TSafetyJPEGImage*>(graphic_.get()))
        Install(std::make_unique<TSafetyJPEGImage>());
    return static_cast<TSafetyJPEGImage&>(*graphic_);
}

void TPictureEx::Assign(const TPersistent& source)
{
    if (const auto* picture = dynamic_cast<const TPictureEx*>(&source)) {
        if (picture == this)
            return;
        imageID_ = picture->imageID_;
        storageID_ = picture->storageID_;
        linked_ = picture->linked_;
        const TGraphic* theirs = picture->graphic_.get();
        if (theirs && graphic_ && &theirs->ClassInfo() == &graphic_->ClassInfo() &&
            !dynamic_cast<const TSafetyJPEGImage*>(theirs)) {
            graphic_->Assign(*theirs);
            return;
        }
        SetGraphic(theirs ? theirs->Clone() : nullptr);
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        SetGraphic(graphic->Clone());
        return;
    }
    inherited::Assign(source);
}

void TPictureEx::AssignClipboard(const QMimeData& data)
{
    if (data.hasImage()) {
        auto bitmap = std::make_unique<TSafetyBitmap>();
        bitmap->SetImage(qvariant_cast<QImage>(data.imageData()));
        SetGraphic(std::move(bitmap));
    } else if (data.hasFormat(kDeviceIndependentBitmap)) {
        auto bitmap = std::make_unique<TSafetyBitmap>();
        const QByteArray bytes = data.data(kDeviceIndependentBitmap);
        if (bytes.startsWith("BM"))
            bitmap->LoadFromBytes(bytes);
        else
            bitmap->LoadFromDIB(bytes);
        SetGraphic(std::move(bitmap));
    } else if (data.hasFormat(kEnhancedMetafile)) {
        auto metafile = std::make_unique<TMetafile>();
        metafile->LoadFromBytes(data.data(kEnhancedMetafile));
        SetGraphic(std::move(metafile));
    } else {
        LoadFailed();
    }
}

void TPictureEx::LoadFromFile(const QString& path)
{
    SetGraphic(LoadGraphicFile(path));
}

void TPictureEx::SaveToFile(const QString& path) const
{
    if (!graphic_)
        throw EAppError(picturemsg::StreamWriteError());
    QByteArray bytes = graphic_->SaveToBytes();
    if (dynamic_cast<const TSafetyBitmap*>(graphic_.get()) &&
        QFileInfo(path).suffix().compare(QLatin1String("cbm"), Qt::CaseInsensitive) == 0)
        bytes = CompressToContainer(bytes, TCompressionLevel::Max);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EAppError(picturemsg::StreamWriteError());
}

QByteArray TPictureEx::SaveData() const
{
    return WritePictureData(graphic_.get());
}

void TPictureEx::LoadData(const QByteArray& data)
{
    SetGraphic(ReadPictureData(data));
}

void TPictureEx::DefineProperties(TFiler& filer)
{
    inherited::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](const QByteArray& data) { LoadData(data); }, [this] { return SaveData(); },
        graphic_ != nullptr && !fromResource_);
}
