#pragma once
// TPictureEx: the holder of every picture of the system. It owns one graphic of a
// registered graphic class, names where the image came from (ImageID) and which image store
// holds its data outside the document (StorageID), and announces every change of the graphic
// through its change notifier. A picture filled from a resource is marked so and writes no
// picture data into component streams (its loader fills it again when the stream is read);
// any other change of the graphic clears the mark, so that changed content is always stored.
#include "core/notify.h"
#include "core/persistent/persistent.h"

#include <memory>

class QMimeData;
class TGraphic;
class TSafetyBitmap;
class TSafetyJPEGImage;

class TPictureEx : public TPersistent, public IBroadcasterAccess {
    LR_CLASS(TPictureEx, TPersistent)
public:
    TPictureEx();
    ~TPictureEx() override;

    // --- published --------------------------------------------------------------------
    QString ImageID() const { return imageID_; }
    void SetImageID(const QString& id) { imageID_ = id; }
    QString StorageID() const { return storageID_; }
    void SetStorageID(const QString& id) { storageID_ = id; }

    // --- graphic ----------------------------------------------------------------------
    TGraphic* Graphic() const { return graphic_.get(); }
    // Takes the graphic (none empties the picture) and announces the change.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const;
    int Height() const;
    // The graphic as a bitmap / JPEG image: unless it already is one, it is replaced by an
    // empty graphic of that class first, without a change announcement.
    TSafetyBitmap& Bitmap();
    TSafetyJPEGImage& JPEG();

    // --- flags ------------------------------------------------------------------------
    bool FromResource() const { return fromResource_; }
    void SetFromResource(bool fromResource) { fromResource_ = fromResource; }
    // Linked to an external image store; copied on assignment.
    bool Linked() const { return linked_; }
    void SetLinked(bool linked) { linked_ = linked; }

    // --- notification -----------------------------------------------------------------
    TChangeNotify& Notify() { return notify_; }
    IBroadcaster& Broadcaster() override { return notify_; }

    // --- copying ----------------------------------------------------------------------
    // From another picture: ImageID, StorageID and the linked flag first; then, when both
    // graphics have the same class (JPEG excepted), the graphic is assigned in place,
    // otherwise the picture takes a copy of the source's graphic. From a graphic: a copy.
    void Assign(const TPersistent& source) override;
    // Takes the first clipboard format a graphic class supports, in the order device bitmap
    // (an image), device-independent bitmap ("image/bmp"), enhanced metafile
    // ("image/x-emf"). Fails with "イメージの読み込みに失敗しました" when none is offered.
    void AssignClipboard(const QMimeData& data);

    // --- files ------------------------------------------------------------------------
    // Loads a file through the graphic class registered for its extension; fails with the
    // class's message (or "イメージの読み込みに失敗しました" for an unknown extension or an
    // unreadable file) and keeps the previous graphic.
    void LoadFromFile(const QString& path);
    // Saves the graphic as a file of its kind; a bitmap saved under ".cbm" is compressed
    // into a container. The previous file stays in place when saving fails.
    void SaveToFile(const QString& path) const;

    // --- component streams ------------------------------------------------------------
    // The picture data ("Data"; see picture_data.h), whatever the from-resource flag says.
    QByteArray SaveData() const;
    // Replaces the graphic by the one the data describes; keeps the previous graphic when
    // reading fails.
    void LoadData(const QByteArray& data);
    // Declares "Data": written when the picture holds a graphic and was not filled from a
    // resource.
    void DefineProperties(TFiler& filer) override;

private:
    void GraphicChanged();
    // Installs a graphic without announcing it.
    void Install(std::unique_ptr<TGraphic> graphic);

    std::unique_ptr<TGraphic> graphic_;
    QString imageID_;
    QString storageID_;
    bool fromResource_ = false;
    bool linked_ = false;
    TChangeNotify notify_{this};
};
