#include "objects/ui/position_page.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <cmath>

namespace {

QDoubleSpinBox* MillimetreBox(QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(1);
    box->setRange(-10000, 10000);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

int Units(const QDoubleSpinBox* box)
{
    return static_cast<int>(std::lround(box->value() * 10));
}

} // namespace

TPositionPage::TPositionPage(QWidget* parent)
    : QWidget(parent), left_(MillimetreBox(this)), top_(MillimetreBox(this)), width_(MillimetreBox(this)),
      height_(MillimetreBox(this))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("左(&L)"), left_);
    layout->addRow(QStringLiteral("上(&T)"), top_);
    layout->addRow(QStringLiteral("幅(&W)"), width_);
    layout->addRow(QStringLiteral("高さ(&H)"), height_);
    for (QDoubleSpinBox* box : {left_, top_, width_, height_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TPositionPage::Changed);
}

void TPositionPage::SetRect(const TRect& rect)
{
    const QSignalBlocker blockers[] = {QSignalBlocker(left_), QSignalBlocker(top_), QSignalBlocker(width_),
                                       QSignalBlocker(height_)};
    left_->setValue(rect.Left / 10.0);
    top_->setValue(rect.Top / 10.0);
    width_->setValue(RectWidth(rect) / 10.0);
    height_->setValue(RectHeight(rect) / 10.0);
}

TRect TPositionPage::Rect() const
{
    const int left = Units(left_);
    const int top = Units(top_);
    return {left, top, left + Units(width_), top + Units(height_)};
}

bool TPositionPage::HasSize() const
{
    return Units(width_) > 0 && Units(height_) > 0;
}

void TPositionPage::SetSizeEnabled(bool enabled)
{
    width_->setEnabled(enabled);
    height_->setEnabled(enabled);
}
