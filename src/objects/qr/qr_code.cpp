#include "objects/qr/qr_code.h"

#include "core/canvas/canvas.h"
#include "core/canvas/rect.h"
#include "objects/qr/qr_interleave.h"
#include "objects/qr/qr_mask.h"

LR_DEFINE_CLASS(TQRCode, TPersistent, LR_CREATABLE(TQRCode),
    prop::Char("EncodeMode", &Self::EncodeMode, &Self::SetEncodeMode),
    prop::Boolean("AutoEncodeMode", &Self::AutoEncodeMode, &Self::SetAutoEncodeMode),
    prop::Integer("Version", &Self::Version, &Self::SetVersion),
    prop::Boolean("AutoVersion", &Self::AutoVersion, &Self::SetAutoVersion),
    prop::Integer("MaskNo", &Self::MaskNo, &Self::SetMaskNo),
    prop::Boolean("AutoMask", &Self::AutoMask, &Self::SetAutoMask),
    prop::Char("ErrorCorrectLevel", &Self::ErrorCorrectLevel, &Self::SetErrorCorrectLevel),
    prop::Integer("Mergin", &Self::Mergin, &Self::SetMergin))

namespace {

bool IsLevel(char level)
{
    return level == 'L' || level == 'M' || level == 'Q' || level == 'H';
}

bool IsMode(char mode)
{
    return mode == '0' || mode == 'A' || mode == '8';
}

} // namespace

template <class T>
void TQRCode::Change(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    changed_ = true;
}

void TQRCode::SetPayload(const QByteArray& payload)
{
    payload_ = payload;
    changed_ = true;
}

void TQRCode::SetErrorCorrectLevel(char level)
{
    if (IsLevel(level))
        Change(level_, level);
}

char TQRCode::EncodeMode() const
{
    if (autoEncodeMode_)
        mode_ = static_cast<char>(SelectEncodeMode(payload_));
    return mode_;
}

void TQRCode::SetEncodeMode(char mode)
{
    if (IsMode(mode))
        Change(mode_, mode);
}

void TQRCode::SetAutoEncodeMode(bool automatic)
{
    Change(autoEncodeMode_, automatic);
}

int TQRCode::Version() const
{
    if (autoVersion_)
        version_ = Plan().Version;
    return version_;
}

void TQRCode::SetVersion(int version)
{
    if (version >= kQRMinVersion && version <= kQRMaxVersion)
        Change(version_, version);
}

void TQRCode::SetAutoVersion(bool automatic)
{
    Change(autoVersion_, automatic);
}

void TQRCode::SetMaskNo(int mask)
{
    if (mask >= 0 && mask < kQRMaskCount)
        Change(mask_, mask);
}

void TQRCode::SetAutoMask(bool automatic)
{
    Change(autoMask_, automatic);
}

void TQRCode::SetMergin(int mergin)
{
    if (mergin >= 0 && mergin <= kQRMaxMergin)
        Change(mergin_, mergin);
}

TQRLevel TQRCode::Level() const
{
    switch (level_) {
    case 'L':
        return TQRLevel::L;
    case 'Q':
        return TQRLevel::Q;
    case 'H':
        return TQRLevel::H;
    default:
        return TQRLevel::M;
    }
}

TQRCode::TPlan TQRCode::Plan() const
{
    TPlan plan;
    plan.Mode = autoEncodeMode_ || mode_ == 0 ? SelectEncodeMode(payload_) : static_cast<TQRMode>(mode_);
    if (plan.Mode == TQRMode::Numeric && !IsAllDigits(payload_)) {
        plan.Refusal = QStringLiteral("数字モードでは数字以外の文字を含むデータをQRコードにできません。");
        return plan;
    }
    const TQRLevel level = Level();
    const int length = static_cast<int>(std::min<qsizetype>(payload_.size(), kQRMaxPayloadBytes + 1));
    const bool fits = length <= kQRMaxPayloadBytes;
    if (autoVersion_ || version_ == 0) {
        plan.Version = fits ? SelectQRVersion(plan.Mode, length, level) : 0;
        if (plan.Version == 0)
            plan.Refusal = QStringLiteral("データが多すぎるため、QRコードにできません（誤り訂正レベル%1では最大のバージョン40にも収まりません）。")
                               .arg(QLatin1Char(level_));
    } else if (fits && QRSegmentFits(plan.Mode, length, version_, level)) {
        plan.Version = version_;
    } else {
        plan.Refusal = QStringLiteral("データが多すぎるため、バージョン%1・誤り訂正レベル%2のQRコードに収まりません。")
                           .arg(version_)
                           .arg(QLatin1Char(level_));
    }
    return plan;
}

bool TQRCode::Encode()
{
    changed_ = false;
    matrix_ = TQRMatrix();
    bitmap_ = QImage();
    const TPlan plan = Plan();
    refusal_ = plan.Refusal;
    if (autoVersion_ || version_ == 0)
        version_ = plan.Version;
    if (!refusal_.isEmpty())
        return false;
    if (autoEncodeMode_ || mode_ == 0)
        mode_ = static_cast<char>(plan.Mode);

    const TQRLevel level = Level();
    const std::vector<std::uint8_t> data = QRDataCodewords(payload_, plan.Mode, plan.Version, level);
    TQRMatrix matrix = BuildQRMatrix(plan.Version, QRInterleavedCodewords(data, plan.Version, level));
    if (autoMask_)
        mask_ = ChooseQRMask(matrix);
    ApplyQRMask(matrix, mask_);
    WriteQRFormatInformation(matrix, level, mask_);
    matrix_ = std::move(matrix);
    BuildBitmap();
    return true;
}

void TQRCode::BuildBitmap()
{
    const int n = matrix_.Size();
    const int side = n + 2 * mergin_;
    bitmap_ = QImage(side, side, QImage::Format_BGR888);
    bitmap_.fill(Qt::white);
    for (int y = 0; y < n; ++y) {
        uchar* pixel = bitmap_.scanLine(y + mergin_) + 3 * mergin_;
        for (int x = 0; x < n; ++x, pixel += 3)
            if (matrix_.IsDark(x, y))
                pixel[0] = pixel[1] = pixel[2] = 0;
    }
}

void TQRCode::Draw(TCanvas& canvas, const TRect& rect)
{
    if (changed_)
        Encode();
    if (bitmap_.isNull())
        return;
    // Modules stay crisp squares at any size.
    QPainter& painter = canvas.Painter();
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect.ToQRect(), bitmap_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void TQRCode::AssignTo(TPersistent& target) const
{
    auto* code = dynamic_cast<TQRCode*>(&target);
    if (!code) {
        inherited::AssignTo(target);
        return;
    }
    code->payload_ = payload_;
    code->level_ = level_;
    code->mode_ = mode_;
    code->autoEncodeMode_ = autoEncodeMode_;
    code->version_ = version_;
    code->autoVersion_ = autoVersion_;
    code->mask_ = mask_;
    code->autoMask_ = autoMask_;
    code->mergin_ = mergin_;
    code->changed_ = changed_;
    code->matrix_ = matrix_;
    code->bitmap_ = bitmap_;
    code->refusal_ = refusal_;
}
