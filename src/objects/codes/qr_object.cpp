#include "objects/codes/qr_object.h"

#include "core/canvas/canvas.h"
#include "core/model/draw_site_model.h"
#include "core/persistent/color_type.h"
#include "core/stream/reader.h"
#include "graphics/raster/map_rect_to_quad.h"
#include "graphics/raster/rotate_flip.h"
#include "objects/codes/rotated_rect.h"

#include <QtEndian>

LR_DEFINE_CLASS(TLOQRCode, TLORectBase, LR_CREATABLE(TLOQRCode),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle),
    prop::Char("EncodeMode", &Self::EncodeMode, &Self::SetEncodeMode),
    prop::Boolean("AutoEncodeMode", &Self::AutoEncodeMode, &Self::SetAutoEncodeMode),
    prop::Integer("Version", &Self::Version, &Self::SetVersion),
    prop::Boolean("AutoVersion", &Self::AutoVersion, &Self::SetAutoVersion),
    prop::Integer("MaskNo", &Self::MaskNo, &Self::SetMaskNo),
    prop::Boolean("AutoMask", &Self::AutoMask, &Self::SetAutoMask),
    prop::Char("ErrorCorrectLevel", &Self::ErrorCorrectLevel, &Self::SetErrorCorrectLevel),
    prop::Integer("Mergin", &Self::Mergin, &Self::SetMergin))

namespace {
// The colour that stands for "no symbol here" in the turned picture.
constexpr TColor kTransparentColor = 0xF0F0F0;
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

template <class T, class U>
void TLOQRCode::Forward(void (TQRCode::*set)(T), U value)
{
    (code_.*set)(value);
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

void TLOQRCode::SetEncodeMode(char mode) { Forward(&TQRCode::SetEncodeMode, mode); }
void TLOQRCode::SetAutoEncodeMode(bool automatic) { Forward(&TQRCode::SetAutoEncodeMode, automatic); }
void TLOQRCode::SetVersion(int version) { Forward(&TQRCode::SetVersion, version); }
void TLOQRCode::SetAutoVersion(bool automatic) { Forward(&TQRCode::SetAutoVersion, automatic); }
void TLOQRCode::SetMaskNo(int mask) { Forward(&TQRCode::SetMaskNo, mask); }
void TLOQRCode::SetAutoMask(bool automatic) { Forward(&TQRCode::SetAutoMask, automatic); }
void TLOQRCode::SetErrorCorrectLevel(char level) { Forward(&TQRCode::SetErrorCorrectLevel, level); }
void TLOQRCode::SetMergin(int mergin) { Forward(&TQRCode::SetMergin, mergin); }

void TLOQRCode::SetPayload(const QByteArray& payload)
{
    Forward(&TQRCode::SetPayload, payload);
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
        const QSize size(RectWidth(rect), RectHeight(rect));
        if (rotated_.isNull())
            BuildRotated(size);
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
    rotator_.SetCentre(RectCenter(after));
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
