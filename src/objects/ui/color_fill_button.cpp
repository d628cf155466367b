#include "objects/ui/color_fill_button.h"

#include "core/canvas/canvas.h"
#include "graphics/color/color_fill.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr QSize kSampleSize{40, 16};
} // namespace

TColorSpecButton::TColorSpecButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), spec_(std::make_unique<TColorSpec>())
{
    setIconSize(kSampleSize);
    connect(this, &QPushButton::clicked, this, &TColorSpecButton::Pick);
    UpdateSample();
}

TColorSpecButton::~TColorSpecButton() = default;

void TColorSpecButton::SetSpec(const TColorSpec& spec)
{
    spec_->Assign(spec);
    UpdateSample();
    emit Changed();
}

void TColorSpecButton::SetSolidColor(unsigned color)
{
    {
        TUpdateBracket bracket(spec_->Notify());
        spec_->SetKind(cskSolid);
        spec_->SetStyle(bsSolid);
        spec_->SetColor(TColor(color));
    }
    UpdateSample();
    emit Changed();
}

void TColorSpecButton::Pick()
{
    const QColor current = ToQColor(spec_->Color());
    const QColor chosen = QColorDialog::getColor(current, this);
    if (chosen.isValid())
        SetSolidColor(unsigned(chosen.red()) | unsigned(chosen.green()) << 8 | unsigned(chosen.blue()) << 16);
}

void TColorSpecButton::UpdateSample()
{
    QImage sample(kSampleSize, QImage::Format_RGB32);
    sample.fill(Qt::white);
    {
        TCanvas canvas(&sample);
        spec_->DrawSample(canvas, {0, 0, kSampleSize.width(), kSampleSize.height()});
    }
    setIcon(QPixmap::fromImage(sample));
}
