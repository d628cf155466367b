#include "text/rotator.h"

#include "core/canvas/units.h"

#include <cmath>
#include <numbers>

LR_DEFINE_CLASS(TRotator, TTransformer, LR_CREATABLE(TRotator))

int NormalizeAngle(std::int64_t degrees)
{
    const std::int64_t r = degrees % 360;
    return static_cast<int>(r < 0 ? r + 360 : r);
}

TRotator::TRotator(int angle, QPoint centre) : centre_(centre)
{
    SetAngle(angle);
}

void TRotator::SetAngle(std::int64_t angle)
{
    angle_ = NormalizeAngle(angle);
    UpdateTrig();
}

void TRotator::UpdateTrig()
{
    // Quarter turns exactly, so that right angles move points without rounding noise.
    switch (angle_) {
    case 0: cos_ = 1; sin_ = 0; return;
    case 90: cos_ = 0; sin_ = 1; return;
    case 180: cos_ = -1; sin_ = 0; return;
    case 270: cos_ = 0; sin_ = -1; return;
    default: {
        const double radians = angle_ * std::numbers::pi / 180;
        cos_ = std::cos(radians);
        sin_ = std::sin(radians);
    }
    }
}

QPoint TRotator::Rotate(QPoint point) const
{
    const double dx = double(point.x()) - centre_.x();
    const double dy = double(point.y()) - centre_.y();
    return {centre_.x() + RoundHalfAway(dx * cos_ - dy * sin_), centre_.y() + RoundHalfAway(dx * sin_ + dy * cos_)};
}

void TRotator::Assign(const TPersistent& source)
{
    if (const auto* rotator = dynamic_cast<const TRotator*>(&source)) {
        angle_ = rotator->angle_;
        centre_ = rotator->centre_;
        UpdateTrig();
        return;
    }
    TTransformer::Assign(source);
}
