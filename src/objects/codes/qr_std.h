#pragma once
// TLOQRStd: the QR object the user creates. Its payload is never stored: it is built from
// typed fields (a phone-book entry, a web address or free text) in the format of the
// chosen family of phones whenever a field changes, and once after the object is read.
#include "core/persistent/string_list.h"
#include "objects/codes/qr_object.h"
#include "objects/codes/qr_payload.h"

#include <QUuid>

extern const TTypeInfo StdQRTypeType;
extern const TTypeInfo StdQRKindType;

class TLOQRStd : public TLOQRCode {
    LR_CLASS(TLOQRStd, TLOQRCode)
public:
    // A new object has a new profile GUID, the phone-book kind for sqtDoCoMo phones and an
    // empty payload.
    TLOQRStd();
    ~TLOQRStd() override;

    TStdQRType QRType() const { return fields_.Type; }
    void SetQRType(TStdQRType type);
    bool QRNameCommaDevide() const { return fields_.NameCommaDevide; }
    void SetQRNameCommaDevide(bool split);
    bool QRFuriganaHankaku() const { return fields_.FuriganaHankaku; }
    void SetQRFuriganaHankaku(bool convert);
    QString QRName() const { return fields_.Name; }
    void SetQRName(const QString& text);
    QString QRFurigana() const { return fields_.Furigana; }
    void SetQRFurigana(const QString& text);
    QString QRTel1() const { return fields_.Tel1; }
    void SetQRTel1(const QString& text);
    QString QRTel2() const { return fields_.Tel2; }
    void SetQRTel2(const QString& text);
    QString QREmail1() const { return fields_.Email1; }
    void SetQREmail1(const QString& text);
    QString QREmail2() const { return fields_.Email2; }
    void SetQREmail2(const QString& text);
    QString QRUrlTitle() const { return fields_.UrlTitle; }
    void SetQRUrlTitle(const QString& text);
    QString QRUrl() const { return fields_.Url; }
    void SetQRUrl(const QString& text);
    TStdQRKind QRKind() const { return fields_.Kind; }
    void SetQRKind(TStdQRKind kind);
    TStringList* QRText() { return text_.get(); }
    const TStringList* QRText() const { return text_.get(); }

    // Profile field numbers; -1 means typed by hand.
    int QRNameID() const { return ids_[0]; }
    void SetQRNameID(int id) { ids_[0] = id; }
    int QRFuriganaID() const { return ids_[1]; }
    void SetQRFuriganaID(int id) { ids_[1] = id; }
    int QRTel1ID() const { return ids_[2]; }
    void SetQRTel1ID(int id) { ids_[2] = id; }
    int QRTel2ID() const { return ids_[3]; }
    void SetQRTel2ID(int id) { ids_[3] = id; }
    int QREmail1ID() const { return ids_[4]; }
    void SetQREmail1ID(int id) { ids_[4] = id; }
    int QREmail2ID() const { return ids_[5]; }
    void SetQREmail2ID(int id) { ids_[5] = id; }
    int QRUrlTitleID() const { return ids_[6]; }
    void SetQRUrlTitleID(int id) { ids_[6] = id; }
    int QRUrlID() const { return ids_[7]; }
    void SetQRUrlID(int id) { ids_[7] = id; }

    const QUuid& ProfileGuid() const { return guid_; }
    const TQRFields& Fields() const { return fields_; }
    // Characters of the fields that have no Shift-JIS form; while there are any the
    // payload is empty.
    const QString& UnmappableChars() const { return unmappable_; }

    // Rebuilds the payload from the fields (for sqtAU the payload is left as it is).
    void BuildPayload();

    void Loaded() override;
    // ProfileGuid: 16 raw bytes; a block of any other size is ignored. QRData is read
    // (the payload of an sqtAU object) but never written.
    void DefineProperties(TFiler& filer) override;
    void AssignTo(TPersistent& target) const override;

protected:
    bool StoresPayload() const override { return false; }

private:
    template <class T>
    void SetField(T& field, const T& value);

    TQRFields fields_;
    std::unique_ptr<TStringList> text_;
    int ids_[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    QUuid guid_;
    QString unmappable_;
};
