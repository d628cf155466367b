// The binary form of a Coons distortion.
#include "core/persistent/guid_bytes.h"
#include "core/stream/extended.h"
#include "core/stream/reader.h"
#include "text/distortion/coons_distortion.h"

#include <QtEndian>
#include <cmath>

namespace {

constexpr int kHeaderSize = kGuidSize + 4 * 4;
constexpr int kExtendedSize = 10;
constexpr int kBytesPerPoint = 2 * kExtendedSize + 1;

void AppendExtended(QByteArray& bytes, double value)
{
    const auto extended = ToExtended(value);
    bytes.append(reinterpret_cast<const char*>(extended.data()), kExtendedSize);
}

} // namespace

QByteArray TCoonsDistortion::Data() const
{
    QByteArray bytes = GuidBytes(id_);
    for (const TBoundary& side : sides_) {
        char count[4];
        qToLittleEndian<qint32>(qint32(side.Points.size()), count);
        bytes.append(count, 4);
    }
    for (const TBoundary& side : sides_)
        for (const QPointF& point : side.Points) {
            AppendExtended(bytes, point.x());
            AppendExtended(bytes, point.y());
        }
    for (const TBoundary& side : sides_)
        bytes.append(reinterpret_cast<const char*>(side.Smooth.data()), qsizetype(side.Smooth.size()));
    return bytes;
}

void TCoonsDistortion::SetData(const QByteArray& data)
{
    if (data.size() < kHeaderSize)
        TReader::FailReadError();
    std::array<TBoundary, 4> sides;
    qint64 total = 0;
    for (int side = 0; side < 4; ++side) {
        const qint32 count = qFromLittleEndian<qint32>(data.constData() + kGuidSize + 4 * side);
        if (count < 0 || count > kMaxPoints)
            TReader::FailReadError();
        sides[side].Points.resize(count);
        sides[side].Smooth.resize(count);
        total += count;
    }
    if (data.size() - kHeaderSize < total * kBytesPerPoint)
        TReader::FailReadError();

    const auto* at = reinterpret_cast<const std::uint8_t*>(data.constData()) + kHeaderSize;
    const auto coordinate = [&at] {
        const double value = FromExtended(at);
        at += kExtendedSize;
        if (!std::isfinite(value))
            TReader::FailReadError();
        return value;
    };
    for (TBoundary& side : sides)
        for (QPointF& point : side.Points) {
            const double x = coordinate();
            point = QPointF(x, coordinate());
        }
    for (TBoundary& side : sides)
        for (std::uint8_t& flag : side.Smooth)
            flag = *at++;

    id_ = GuidFromBytes(data.constData());
    sides_ = std::move(sides);
    dirty_ = true;
    // Data that maps nothing is kept exactly as read, to be saved back unchanged.
    if (!IsNoDistortion())
        EnforceCorners();
}
