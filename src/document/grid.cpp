#include "document/grid.h"

#include "core/canvas/canvas.h"
#include "core/stream/reader.h"

#include <algorithm>
#include <cstdlib>

LR_DEFINE_CLASS(TGrid, TPersistent, LR_CREATABLE(TGrid),
    prop::Boolean("Visible", &Self::Visible, &Self::SetVisible),
    prop::Boolean("Enabled", &Self::Enabled, &Self::SetEnabled),
    prop::Integer("Size", &Self::Size, &Self::SetSize),
    prop::Boolean("LineShape", &Self::LineShape, &Self::SetLineShape))

LR_DEFINE_CLASS(TGuide, TPersistent, LR_CREATABLE(TGuide),
    prop::Boolean("Visible", &Self::Visible, &Self::SetVisible),
    prop::Boolean("Enabled", &Self::Enabled, &Self::SetEnabled),
    prop::Integer("Count", &Self::Count, &Self::SetCount).NotStored())

namespace {

// A grid finer than this many logical units is not drawn: it would be a solid area and
// take unbounded time for a pitch read from a file.
constexpr int kMinimumDrawnPitch = 5;

std::int32_t ReadInt32(const QByteArray& data, qsizetype offset)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[offset + i])) << (8 * i);
    return static_cast<std::int32_t>(value);
}

void AppendInt32(QByteArray& data, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        data.append(static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i)));
}

} // namespace

void TGrid::Assign(const TPersistent& source)
{
    if (dynamic_cast<const TGrid*>(&source)) {
        AssignPublishedProperties(source, *this);
        return;
    }
    TPersistent::Assign(source);
}

void TGrid::Draw(TCanvas& canvas, const TRect& area) const
{
    if (size_ < kMinimumDrawnPitch || area.IsEmpty())
        return;
    QPainter& painter = canvas.Painter();
    if (lineShape_) {
        for (int x = area.Left; x <= area.Right; x += size_)
            painter.drawLine(QPoint(x, area.Top), QPoint(x, area.Bottom));
        for (int y = area.Top; y <= area.Bottom; y += size_)
            painter.drawLine(QPoint(area.Left, y), QPoint(area.Right, y));
        return;
    }
    // One device pixel per grid point.
    const QTransform mapping = painter.worldTransform();
    painter.save();
    painter.resetTransform();
    for (int y = area.Top; y <= area.Bottom; y += size_)
        for (int x = area.Left; x <= area.Right; x += size_)
            painter.drawPoint(mapping.map(QPointF(x, y)).toPoint());
    painter.restore();
}

int TGuide::HitTest(QPoint point, int tolerance) const
{
    if (!enabled_)
        return -1;
    for (int i = 0; i < kCount; ++i) {
        const Slot& slot = slots_[i];
        if (slot.X != 0 ? std::abs(point.x() - slot.X) <= tolerance : slot.Y != 0 && std::abs(point.y() - slot.Y) <= tolerance)
            return i;
    }
    return -1;
}

int TGuide::FirstFreeSlot() const
{
    for (int i = 0; i < kCount; ++i)
        if (slots_[i].IsFree())
            return i;
    return -1;
}

bool TGuide::AllFree() const
{
    return std::all_of(slots_.begin(), slots_.end(), [](const Slot& slot) { return slot.IsFree(); });
}

void TGuide::ClipTo(const TRect& area)
{
    for (Slot& slot : slots_) {
        const bool outside = slot.X != 0 ? (slot.X < area.Left || slot.X > area.Right)
                                         : slot.Y != 0 && (slot.Y < area.Top || slot.Y > area.Bottom);
        if (outside)
            slot = Slot{};
    }
    if (AllFree())
        enabled_ = false;
}

void TGuide::Draw(TCanvas& canvas, const TRect& area) const
{
    QPainter& painter = canvas.Painter();
    for (const Slot& slot : slots_) {
        if (slot.X != 0)
            painter.drawLine(QPoint(slot.X, area.Top), QPoint(slot.X, area.Bottom));
        else if (slot.Y != 0)
            painter.drawLine(QPoint(area.Left, slot.Y), QPoint(area.Right, slot.Y));
    }
}

void TGuide::Assign(const TPersistent& source)
{
    if (const auto* guide = dynamic_cast<const TGuide*>(&source)) {
        visible_ = guide->visible_;
        enabled_ = guide->enabled_;
        slots_ = guide->slots_;
        return;
    }
    TPersistent::Assign(source);
}

void TGuide::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        "Pos",
        [this](const QByteArray& data) {
            if (data.size() < 4)
                TReader::FailInvalidValue();
            const std::int32_t count = ReadInt32(data, 0);
            if (count < 0 || (data.size() - 4) / 8 < count)
                TReader::FailInvalidValue();
            slots_.fill(Slot{});
            for (int i = 0; i < std::min<std::int32_t>(count, kCount); ++i)
                slots_[i] = Slot{ReadInt32(data, 4 + 8 * i), ReadInt32(data, 8 + 8 * i)};
        },
        [this] {
            QByteArray data;
            AppendInt32(data, kCount);
            for (const Slot& slot : slots_) {
                AppendInt32(data, slot.X);
                AppendInt32(data, slot.Y);
            }
            return data;
        },
        true);
}
