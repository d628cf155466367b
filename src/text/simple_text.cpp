#include "text/simple_text.h"

#include "core/persistent/string_list.h"
#include "text/kana_conversions.h"
#include "text/point_based_font.h"
#include "text/rotator.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

LR_DEFINE_CLASS(TSimpleText, TPersistent, LR_CREATABLE(TSimpleText),
    prop::Object("Text", &Self::Text, &Self::Text),
    prop::Object("Font", &Self::Font, &Self::Font),
    prop::Integer("Align", &Self::Align, &Self::SetAlign),
    prop::Boolean("Vertical", &Self::Vertical, &Self::SetVertical),
    prop::Integer("CharSpacing", &Self::CharSpacing, &Self::SetCharSpacing),
    prop::Integer("LineSpacing", &Self::LineSpacing, &Self::SetLineSpacing),
    prop::Integer("Bulge", &Self::Bulge, &Self::SetBulge),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle),
    prop::Boolean("HanToZen", &Self::HanToZen, &Self::SetHanToZen),
    prop::Boolean("NumToKnj", &Self::NumToKnj, &Self::SetNumToKnj),
    prop::Boolean("MinusExc", &Self::MinusExc, &Self::SetMinusExc),
    prop::Integer("FeedAngle", &Self::FeedAngle, &Self::SetFeedAngle).Default(0))

namespace {

template <class T>
bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

int Clamp32(double value)
{
    return static_cast<int>(std::clamp(value, double(std::numeric_limits<int>::min()),
                                       double(std::numeric_limits<int>::max())));
}

} // namespace

TSimpleText::TSimpleText() : text_(std::make_unique<TStringList>()), font_(std::make_unique<TPointBasedFont>())
{
    notify_.SetOnChange([this](TChangeNotify*) {
        if (onChange_)
            onChange_(this);
    });
    text_->SetOnChange([this] { LinesChanged(); });
    font_->SetOnChange([this] { LayoutChanged(); });
}

TSimpleText::~TSimpleText() = default;

void TSimpleText::BeginUpdate()
{
    notify_.BeginUpdate();
}

void TSimpleText::EndUpdate()
{
    notify_.EndUpdate();
}

void TSimpleText::LayoutChanged()
{
    layouts_.clear();
    notify_.Changed();
}

void TSimpleText::LinesChanged()
{
    displayLines_.reset();
    LayoutChanged();
}

void TSimpleText::SetAlign(int align)
{
    notify_.Store(align_, align);
}

void TSimpleText::SetVertical(bool vertical)
{
    if (Store(vertical_, vertical))
        LayoutChanged();
}

void TSimpleText::SetCharSpacing(int spacing)
{
    if (Store(charSpacing_, spacing))
        LayoutChanged();
}

void TSimpleText::SetLineSpacing(int spacing)
{
    notify_.Store(lineSpacing_, spacing);
}

void TSimpleText::SetBulge(int bulge)
{
    notify_.Store(bulge_, bulge);
}

void TSimpleText::SetAngle(std::int64_t angle)
{
    notify_.Store(angle_, NormalizeAngle(angle));
}

void TSimpleText::SetHanToZen(bool convert)
{
    if (Store(hanToZen_, convert))
        LinesChanged();
}

void TSimpleText::SetNumToKnj(bool convert)
{
    if (Store(numToKnj_, convert))
        LinesChanged();
}

void TSimpleText::SetMinusExc(bool keep)
{
    if (Store(minusExc_, keep))
        LinesChanged();
}

void TSimpleText::SetFeedAngle(int angle)
{
    notify_.Store(feedAngle_, angle);
}

void TSimpleText::Assign(const TPersistent& source)
{
    if (!dynamic_cast<const TSimpleText*>(&source)) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    AssignPublishedProperties(source, *this);
    EndUpdate();
}

const QStringList& TSimpleText::DisplayLines() const
{
    if (!displayLines_) {
        QStringList lines = text_->Lines();
        if (lines.isEmpty())
            lines.append(QString::fromUtf16(kEmptyTextPlaceholder));
        for (QString& line : lines) {
            if (hanToZen_)
                line = HanToZenConvert(line, minusExc_);
            if (numToKnj_)
                line = NumToKanjiConvert(line);
        }
        displayLines_ = std::move(lines);
    }
    return *displayLines_;
}

std::shared_ptr<const TLayoutFont> TSimpleText::LayoutFont() const
{
    return font_->LayoutFont(vertical_);
}

const std::vector<TCharLayout>& TSimpleText::Layouts() const
{
    const QStringList& lines = DisplayLines();
    if (layouts_.size() != std::size_t(lines.size())) {
        const auto font = LayoutFont();
        layouts_.clear();
        layouts_.reserve(lines.size());
        for (const QString& line : lines)
            layouts_.push_back(MeasureLine(*font, line, charSpacing_));
    }
    return layouts_;
}

int TSimpleText::EffectiveAlign() const
{
    return align_ >= taLeft && align_ <= taEven ? align_ : taLeft;
}

std::vector<TSimpleText::TLineBox> TSimpleText::LineBoxes(const TRect& r, int alignment) const
{
    const std::vector<TCharLayout>& layouts = Layouts();
    const int n = int(layouts.size());
    const int h = LayoutFont()->CellHeight();
    const double pitch = double(h) + lineSpacing_;
    // The slanted paragraph: each line shifted along its direction.
    const double t = std::sin(-feedAngle_ * std::numbers::pi / 180);
    double c0 = 0;
    const bool slanted = alignment == taLeft || alignment == taRight;
    if (slanted && !((alignment == taLeft && t >= 0) || (alignment == taRight && t < 0)))
        c0 = -t * pitch * (n - 1);
    const int length = vertical_ ? RectHeight(r) : RectWidth(r);

    std::vector<TLineBox> boxes(n);
    for (int i = 0; i < n; ++i) {
        TCharLayout placed = layouts[i];
        placed.Layout(length, alignment, charSpacing_);
        const int shift = slanted ? Clamp32(std::round(c0 + i * t * pitch)) : 0;
        const int across = Clamp32(i * pitch);
        TRect& box = boxes[i].Rect;
        if (vertical_) {
            box.Right = Clamp32(double(r.Right) - across);
            box.Left = Clamp32(double(box.Right) - h);
            box.Top = Clamp32(double(r.Top) + placed.Placement.InkStart + shift);
            box.Bottom = Clamp32(double(r.Top) + placed.Placement.InkEnd + shift);
        } else {
            box.Top = Clamp32(double(r.Top) + across);
            box.Bottom = Clamp32(double(box.Top) + h);
            box.Left = Clamp32(double(r.Left) + placed.Placement.InkStart + shift);
            box.Right = Clamp32(double(r.Left) + placed.Placement.InkEnd + shift);
        }
        boxes[i].Line = &layouts[i];
    }
    return boxes;
}

TRect TSimpleText::TextBounds(const TRect& r, bool forSizing) const
{
    int alignment = EffectiveAlign();
    if (forSizing && alignment == taEven)
        alignment = taLeft;
    const int h = LayoutFont()->CellHeight();
    const std::vector<TLineBox> boxes = LineBoxes(r, alignment);
    const int n = int(boxes.size());
    if (n == 0)
        return vertical_ ? TRect(r.Right - h, r.Top, r.Right, r.Top) : TRect(r.Left, r.Top, r.Left, r.Top + h);

    const int extent = Clamp32(double(n) * (double(h) + lineSpacing_) - lineSpacing_);
    // Along the lines: the union of the non-empty lines, or the rectangle's own extent.
    std::optional<std::pair<int, int>> along;
    for (const TLineBox& box : boxes) {
        if (box.Line->IsEmpty())
            continue;
        const int from = vertical_ ? box.Rect.Top : box.Rect.Left;
        const int to = vertical_ ? box.Rect.Bottom : box.Rect.Right;
        along = along ? std::pair(std::min(along->first, from), std::max(along->second, to)) : std::pair(from, to);
    }
    if (!along)
        along = vertical_ ? std::pair(r.Top, r.Bottom) : std::pair(r.Left, r.Right);
    const TRect bounds = vertical_ ? TRect(Clamp32(double(r.Right) - extent), along->first, r.Right, along->second)
                                   : TRect(along->first, r.Top, along->second, Clamp32(double(r.Top) + extent));
    // Line spacing below minus the cell height turns the extent over.
    return NormalizeRect(bounds);
}
