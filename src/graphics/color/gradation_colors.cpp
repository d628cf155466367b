#include "graphics/color/gradation_colors.h"

#include "core/error.h"
#include "core/stream/reader.h"

#include <QtEndian>
#include <algorithm>

LR_DEFINE_CLASS(TGradationColors, TPersistent, LR_CREATABLE(TGradationColors),
    prop::Integer("RepeatCount", &Self::RepeatCount, &Self::SetRepeatCount).Default(1))

namespace {

const std::vector<TColor> kDefaultColors{clWhite, clBlack};

[[noreturn]] void RangeError()
{
    throw EAppError(QStringLiteral("範囲チェック エラー"));
}

} // namespace

TGradationColors::TGradationColors() : colors_(kDefaultColors)
{
}

TColor TGradationColors::Color(int i) const
{
    if (i < 0 || i >= Count())
        RangeError();
    return colors_[std::size_t(i)];
}

void TGradationColors::SetColor(int i, TColor color)
{
    if (i < 0 || i >= Count())
        RangeError();
    if (colors_[std::size_t(i)] == color)
        return;
    colors_[std::size_t(i)] = color;
    notify_.Changed();
}

void TGradationColors::SetColorCount(int count)
{
    if (count < 0 || count > kMaxColors)
        RangeError();
    if (count == Count())
        return;
    colors_.resize(std::size_t(count), clBlack);
    notify_.Changed();
}

void TGradationColors::SetColors(const std::vector<TColor>& colors)
{
    if (colors.size() > std::size_t(kMaxColors))
        RangeError();
    if (colors == colors_)
        return;
    colors_ = colors;
    notify_.Changed();
}

void TGradationColors::ReverseColors()
{
    std::vector<TColor> reversed(colors_.rbegin(), colors_.rend());
    SetColors(reversed);
}

void TGradationColors::SetRepeatCount(int count)
{
    if (count == repeatCount_)
        return;
    repeatCount_ = count;
    notify_.Changed();
}

std::vector<TColor> TGradationColors::ExpandColors() const
{
    const int repeats = std::min(repeatCount_, kMaxRepeatCount);
    std::vector<TColor> expanded;
    if (colors_.empty() || repeats < 1)
        return expanded;
    expanded.reserve(colors_.size() * std::size_t(repeats));
    for (int r = 0; r < repeats; ++r)
        expanded.insert(expanded.end(), colors_.begin(), colors_.end());
    return expanded;
}

bool TGradationColors::IsDefaultList() const
{
    return colors_ == kDefaultColors;
}

void TGradationColors::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TGradationColors*>(&source);
    if (!other) {
        inherited::Assign(source);
        return;
    }
    TUpdateBracket bracket(notify_);
    SetColors(other->colors_);
    SetRepeatCount(other->repeatCount_);
}

void TGradationColors::DefineProperties(TFiler& filer)
{
    inherited::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Colors", [this](const QByteArray& data) { SetColors(DecodeGradationColors(data)); },
        [this] { return EncodeGradationColors(colors_); }, !IsDefaultList());
}

QByteArray EncodeGradationColors(const std::vector<TColor>& colors)
{
    QByteArray data(qsizetype(4 + 4 * colors.size()), '\0');
    qToLittleEndian<qint32>(qint32(colors.size()), data.data());
    for (std::size_t i = 0; i < colors.size(); ++i)
        qToLittleEndian<qint32>(colors[i], data.data() + 4 + 4 * i);
    return data;
}

std::vector<TColor> DecodeGradationColors(const QByteArray& data)
{
    if (data.size() < 4)
        TReader::FailInvalidValue();
    const qint32 count = qFromLittleEndian<qint32>(data.constData());
    if (count < 0 || count > TGradationColors::kMaxColors || data.size() != 4 + 4 * qsizetype(count))
        TReader::FailInvalidValue();
    std::vector<TColor> colors(static_cast<std::size_t>(count));
    for (qint32 i = 0; i < count; ++i)
        colors[std::size_t(i)] = qFromLittleEndian<qint32>(data.constData() + 4 + 4 * i);
    return colors;
}
