#pragma once
// TResourceImageLoader: fills its picture from one record of a resource file. The file
// name is taken relative to the program's folder. Types: "RT_BITMAP" and "CBM" (a bitmap
// without file header, or a container around a BMP file), "RT_ICON" (an icon image),
// "METAFILE" and "JPEG". After a successful load the picture is marked as filled from a
// resource, so that it writes no picture data into component streams.
#include "core/persistent/persistent.h"

#include <functional>

class TPictureEx;

class TResourceImageLoader : public TPersistent {
    LR_CLASS(TResourceImageLoader, TPersistent)
public:
    // May take over a resource's data: return true when the picture has been filled.
    using LoadHandler = std::function<bool(const QByteArray& data, TPictureEx& picture)>;

    explicit TResourceImageLoader(TPictureEx& picture) : picture_(picture) {}

    // --- published (changing a name reloads when AutoLoad is on and all three are set) ---
    QString ResFile() const { return resFile_; }
    void SetResFile(const QString& file);
    QString ResType() const { return resType_; }
    void SetResType(const QString& type);
    QString ResName() const { return resName_; }
    void SetResName(const QString& name);
    bool AutoLoad() const { return autoLoad_; }
    void SetAutoLoad(bool autoLoad) { autoLoad_ = autoLoad; }

    void SetOnLoad(LoadHandler handler) { onLoad_ = std::move(handler); }

    // Loads the resource into the picture. Fails with "%s リソースが見つかりません" (the
    // resource name) when the file or the record is missing, with the graphic's message
    // when its data is invalid, and with "イメージの読み込みに失敗しました" for a type that
    // holds no picture; the picture keeps its graphic then.
    void Load();

private:
    void NameChanged();

    TPictureEx& picture_;
    QString resFile_;
    QString resType_;
    QString resName_;
    bool autoLoad_ = true;
    LoadHandler onLoad_;
};
