#include "objects/ui/position_page.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <cmath>

namespace {

QDoubleSpinBox* MillimetreBox(QWidget* parent, double minimum)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(1);
    box->setRange(minimum, 10000);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

int Units(const QDoubleSpinBox* box)
{
    return int(std::lround(box->value() * 10));
}

} // namespace

TPositionPage::TPositionPage(QWidget* parent)
    : QWidget(parent), left_(MillimetreBox(this, -10000)), top_(MillimetreBox(this, -10000)),
      width_(MillimetreBox(this, 0.1)), height_(MillimetreBox(this, 0.1))
{
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("左"), left_);
    layout->addRow(QStringLiteral("上"), top_);
    layout->addRow(QStringLiteral("幅"), width_);
    layout->addRow(QStringLiteral("高さ"), height_);
    for (QDoubleSpinBox* box : {left_, top_, width_, height_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TPositionPage::RectEdited);
}

void TPositionPage::SetRect(const TRect& rect)
{
    const QSignalBlocker blockLeft(left_), blockTop(top_), blockWidth(width_), blockHeight(height_);
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

void TPositionPage::SetSizeEnabled(bool enabled)
{
    width_->setEnabled(enabled);
    height_->setEnabled(enabled);
}
