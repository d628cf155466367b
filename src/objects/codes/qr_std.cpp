#include "objects/codes/qr_std.h"

#include "core/persistent/guid_bytes.h"

const TTypeInfo StdQRTypeType{"TStdQRType", {{sqtDoCoMo, "sqtDoCoMo"}, {sqtVodafone, "sqtVodafone"}, {sqtAU, "sqtAU"}}};
const TTypeInfo StdQRKindType{"TStdQRKind", {{sqkTel, "sqkTel"}, {sqkURL, "sqkURL"}, {sqkTEXT, "sqkTEXT"}}};

LR_DEFINE_CLASS(TLOQRStd, TLOQRCode, LR_CREATABLE(TLOQRStd),
    prop::Enumeration("QRType", &Self::QRType, &Self::SetQRType, StdQRTypeType),
    prop::Boolean("QRNameCommaDevide", &Self::QRNameCommaDevide, &Self::SetQRNameCommaDevide).Default(false),
    prop::Boolean("QRFuriganaHankaku", &Self::QRFuriganaHankaku, &Self::SetQRFuriganaHankaku).Default(true),
    prop::String("QRName", &Self::QRName, &Self::SetQRName),
    prop::String("QRFurigana", &Self::QRFurigana, &Self::SetQRFurigana),
    prop::String("QRTel1", &Self::QRTel1, &Self::SetQRTel1),
    prop::String("QRTel2", &Self::QRTel2, &Self::SetQRTel2),
    prop::String("QREmail1", &Self::QREmail1, &Self::SetQREmail1),
    prop::String("QREmail2", &Self::QREmail2, &Self::SetQREmail2),
    prop::Integer("QRNameID", &Self::QRNameID, &Self::SetQRNameID).Default(-1),
    prop::Integer("QRFuriganaID", &Self::QRFuriganaID, &Self::SetQRFuriganaID).Default(-1),
    prop::Integer("QRTel1ID", &Self::QRTel1ID, &Self::SetQRTel1ID).Default(-1),
    prop::Integer("QRTel2ID", &Self::QRTel2ID, &Self::SetQRTel2ID).Default(-1),
    prop::Integer("QREmail1ID", &Self::QREmail1ID, &Self::SetQREmail1ID).Default(-1),
    prop::Integer("QREmail2ID", &Self::QREmail2ID, &Self::SetQREmail2ID).Default(-1),
    prop::String("QRUrlTitle", &Self::QRUrlTitle, &Self::SetQRUrlTitle),
    prop::String("QRUrl", &Self::QRUrl, &Self::SetQRUrl),
    prop::Enumeration("QRKind", &Self::QRKind, &Self::SetQRKind, StdQRKindType).Default(sqkTel),
    prop::Integer("QRUrlTitleID", &Self::QRUrlTitleID, &Self::SetQRUrlTitleID),
    prop::Integer("QRUrlID", &Self::QRUrlID, &Self::SetQRUrlID),
    prop::Object("QRText", &Self::QRText, &Self::QRText))

TLOQRStd::TLOQRStd() : text_(std::make_unique<TStringList>()), guid_(QUuid::createUuid())
{
    text_->SetOnChange([this] {
        fields_.Text = text_->Lines();
        BuildPayload();
    });
}

TLOQRStd::~TLOQRStd() = default;

template <class T>
void TLOQRStd::SetField(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    BuildPayload();
}

void TLOQRStd::SetQRType(TStdQRType type) { SetField(fields_.Type, type); }
void TLOQRStd::SetQRNameCommaDevide(bool split) { SetField(fields_.NameCommaDevide, split); }
void TLOQRStd::SetQRFuriganaHankaku(bool convert) { SetField(fields_.FuriganaHankaku, convert); }
void TLOQRStd::SetQRName(const QString& text) { SetField(fields_.Name, text); }
void TLOQRStd::SetQRFurigana(const QString& text) { SetField(fields_.Furigana, text); }
void TLOQRStd::SetQRTel1(const QString& text) { SetField(fields_.Tel1, text); }
void TLOQRStd::SetQRTel2(const QString& text) { SetField(fields_.Tel2, text); }
void TLOQRStd::SetQREmail1(const QString& text) { SetField(fields_.Email1, text); }
void TLOQRStd::SetQREmail2(const QString& text) { SetField(fields_.Email2, text); }
void TLOQRStd::SetQRUrlTitle(const QString& text) { SetField(fields_.UrlTitle, text); }
void TLOQRStd::SetQRUrl(const QString& text) { SetField(fields_.Url, text); }
void TLOQRStd::SetQRKind(TStdQRKind kind) { SetField(fields_.Kind, kind); }

void TLOQRStd::BuildPayload()
{
    // A stream read sets every field; the payload is built once when it is complete.
    if (IsLoading())
        return;
    const std::optional<QString> text = BuildPayloadText(fields_);
    if (!text) {
        // The payload stays; the changed field is still a change of the object.
        Changed();
        Invalidate();
        return;
    }
    const TQRPayload payload = EncodePayload(*text);
    unmappable_ = payload.Unmappable;
    SetPayload(payload.Bytes);
}

void TLOQRStd::Loaded()
{
    TLOQRCode::Loaded();
    BuildPayload();
}

void TLOQRStd::DefineProperties(TFiler& filer)
{
    TLOQRCode::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "ProfileGuid",
        [this](const QByteArray& data) {
            if (data.size() == kGuidSize)
                guid_ = GuidFromBytes(data.constData());
        },
        [this] { return GuidBytes(guid_); }, true);
}

void TLOQRStd::AssignTo(TPersistent& target) const
{
    TLOQRCode::AssignTo(target);
    if (auto* object = dynamic_cast<TLOQRStd*>(&target)) {
        object->fields_ = fields_;
        object->guid_ = guid_;
        std::copy(std::begin(ids_), std::end(ids_), std::begin(object->ids_));
        object->text_->SetLines(text_->Lines());
        object->unmappable_ = unmappable_;
    }
}
