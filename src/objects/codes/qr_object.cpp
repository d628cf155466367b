#include "objects/codes/qr_object.h"

#include "core/canvas/canvas.h"
#include "core/model/draw_site_model.h"
#include "core/persistent/color_type.h"
#include "core/stream/reader.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/raster/map_rect_to_quad.h"
#include "graphics/raster/rotate_flip.h"
#include "objects/codes/rotated_rect.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

// The object's published properties: its angle, then the encoder's settings as the
// object's own, read from its encoder and changed through the object so that it
// re-encodes.
std::vector<TPropInfo> ObjectProperties()
{
    std::vector<TPropInfo> properties{prop::Integer("Angle", &TLOQRCode::Angle, &TLOQRCode::SetAngle)};
    for (const TPropInfo* setting : TQRCode::StaticClassInfo().Properties()) {
        TPropInfo property = *setting;
        property.Get = [get = setting->Get](const TPersistent& object) {
            return get(static_cast<const TLOQRCode&>(object).Code());
        };
        property.Set = [set = setting->Set](TPersistent& object, const TPropValue& value) {
            static_cast<TLOQRCode&>(object).ChangeCode([&](TQRCode& code) { set(code, value); });
        };
        properties.push_back(std::move(property));
    }
    return properties;
}

} // namespace

const TClassInfo& TLOQRCode::StaticClassInfo()
{
    static const TClassInfo info("TLOQRCode", &TLORectBase::StaticClassInfo(), LR_CREATABLE(TLOQRCode),
                                 &ObjectProperties);
    return info;
}

namespace {
// The colour that stands for "no symbol here" in the turned picture.
constexpr TColor kTransparentColor = 0xF0F0F0;

// The turned picture is made at the object's logical size, one pixel per unit, but never
// larger than a picture the program accepts (its turned box may hold twice the pixels);
// painting stretches it into place anyway.
QSize CacheSize(QSize logical)
{
    const double pixels = double(logical.width()) * logical.height();
    double factor = std::min(1.0, std::sqrt(MaxPicturePixels() / 2.0 / pixels));
    factor = std::min(factor, kMaxPictureSide / 2.0 / std::max(logical.width(), logical.height()));
    return QSize(std::max(1, int(logical.width() * factor)), std::max(1, int(logical.height() * factor)));
}
} // namespace

QByteArray ReadQRDataBlock(const QByteArray& data)
{
    if (data.size() < 4)
        TReader::FailInvalidValue();
    const std::int32_t count = qFromLittleEndian<std::int32_t>(data.constData());
    if (count < 0 || count > data.size() - 4 || count > kQRMaxPayloadBytes)
        TReader::FailInvalidValue();
    return data.mid(4, count);
}

QByteArray QRDataBlock(const QByteArray& payload)
{
    QByteArray data(4, '\0');
    qToLittleEndian<std::int32_t>(static_cast<std::int32_t>(payload.size()), data.data());
    return data + payload;
}

TLOQRCode::TLOQRCode()
{
    SetBoundsRect({0, 0, 200, 200});
}

TLOQRCode::~TLOQRCode() = default;

void TLOQRCode::Recompute()
{
    rotated_ = QImage();
    if (IsLoading())
        return;
    if (code_.IsChanged())
        code_.Encode();
    Changed();
    Invalidate();
}

void TLOQRCode::ChangeCode(const std::function<void(TQRCode&)>& change)
{
    change(code_);
    Recompute();
}

void TLOQRCode::SetAngle(int angle)
{
    if (angle == angle_)
        return;
    angle_ = angle;
    rotator_.SetAngle(angle);
    rotated_ = QImage();
    if (IsLoading())
        return;
    if (TDrawSiteModel* site = Site())
        site->PlaceObject(*this);
    Recompute();
}

void TLOQRCode::SetEncodeMode(char mode)
{
    ChangeCode([&](TQRCode& code) { code.SetEncodeMode(mode); });
}

void TLOQRCode::SetAutoEncodeMode(bool automatic)
{
    ChangeCode([&](TQRCode& code) { code.SetAutoEncodeMode(automatic); });
}

void TLOQRCode::SetVersion(int version)
{
    ChangeCode([&](TQRCode& code) { code.SetVersion(version); });
}

void TLOQRCode::SetAutoVersion(bool automatic)
{
    ChangeCode([&](TQRCode& code) { code.SetAutoVersion(automatic); });
}

void TLOQRCode::SetMaskNo(int mask)
{
    ChangeCode([&](TQRCode& code) { code.SetMaskNo(mask); });
}

void TLOQRCode::SetAutoMask(bool automatic)
{
    ChangeCode([&](TQRCode& code) { code.SetAutoMask(automatic); });
}

void TLOQRCode::SetErrorCorrectLevel(char level)
{
    ChangeCode([&](TQRCode& code) { code.SetErrorCorrectLevel(level); });
}

void TLOQRCode::SetMergin(int mergin)
{
    ChangeCode([&](TQRCode& code) { code.SetMergin(mergin); });
}

void TLOQRCode::SetPayload(const QByteArray& payload)
{
    ChangeCode([&](TQRCode& code) { code.SetPayload(payload); });
}

void TLOQRCode::Loaded()
{
    TLORectBase::Loaded();
    Recompute();
}

void TLOQRCode::BuildRotated(QSize size)
{
    QImage picture(size, QImage::Format_BGR888);
    picture.fill(ToQColor(kTransparentColor));
    {
        TCanvas canvas(&picture);
        code_.Draw(canvas, {0, 0, size.width(), size.height()});
    }
    QImage turned;
    RotateBitmap(picture, turned, angle_, kTransparentColor, size);
    // The background colour marks what stays transparent.
    rotated_ = turned.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(kTransparentColor).rgb();
    for (int y = 0; y < rotated_.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(rotated_.scanLine(y));
        for (int x = 0; x < rotated_.width(); ++x)
            if (row[x] == key)
                row[x] = 0;
    }
}

void TLOQRCode::Paint(TCanvas& canvas)
{
    const TRect rect = BoundsRect();
    const int turn = NormalizeAngle(angle_);
    if (turn == 0) {
        code_.Draw(canvas, rect);
        return;
    }
    if (code_.IsChanged())
        code_.Encode();
    if (!code_.HasSymbol() || rect.IsEmpty())
        return;
    QPainter& painter = canvas.Painter();
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const TRect bounds = GetBounds();
    if (turn % 90 == 0) {
        // Quarter turns move whole modules: the module bitmap itself is turned.
        QImage turned;
        RotateFlip(turned, code_.ModuleBitmap(), turn / 90, 0);
        painter.drawImage(bounds.ToQRect(), turned);
    } else {
        if (rotated_.isNull())
            BuildRotated(CacheSize(QSize(RectWidth(rect), RectHeight(rect))));
        painter.drawImage(bounds.ToQRect(), rotated_);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

bool TLOQRCode::HitTest(QPoint logical) const
{
    return RotatedRectContains(BoundsRect(), angle_, logical);
}

TRect TLOQRCode::GetBounds() const
{
    return RotatedRectBounds(BoundsRect(), angle_);
}

void TLOQRCode::DrawOutline(TCanvas& canvas)
{
    DrawRotatedRectOutline(canvas, BoundsRect(), angle_);
}

void TLOQRCode::SetBoundsRect(const TRect& rect)
{
    const TRect before = BoundsRect();
    TLORectBase::SetBoundsRect(rect);
    const TRect after = BoundsRect();
    if (RectWidth(after) != RectWidth(before) || RectHeight(after) != RectHeight(before))
        rotated_ = QImage();
    rotator_.SetCentre(RotationCentre(after));
}

void TLOQRCode::Resize(int width, int height)
{
    SetBoundsRect(RotatedResize(BoundsRect(), angle_, width, height));
}

void TLOQRCode::DefineProperties(TFiler& filer)
{
    TLORectBase::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "QRData", [this](const QByteArray& data) { SetPayload(ReadQRDataBlock(data)); },
        [this] { return QRDataBlock(code_.Payload()); }, StoresPayload());
}

void TLOQRCode::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* object = dynamic_cast<TLOQRCode*>(&target)) {
        object->angle_ = angle_;
        object->rotator_.SetAngle(angle_);
        object->code_.Assign(code_);
        object->rotated_ = QImage();
        object->Changed();
        object->Invalidate();
    }
}
