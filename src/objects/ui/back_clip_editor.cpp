#include "objects/ui/back_clip_editor.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kViewSide = 240;
constexpr int kStepMin = 1;
constexpr int kStepMax = 100;
constexpr int kStepStart = 10;

} // namespace

// The picture with the face's outline on the crop; a press inside the crop drags it.
class TClipView : public QWidget {
public:
    explicit TClipView(TfrmBackClipEditor& page) : page_(page) { setFixedSize(kViewSide, kViewSide); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const TImageData* data = page_.data_;
        const QRect picture = page_.PictureOnView();
        if (!data || picture.isEmpty())
            return;
        const TGraphic* graphic = data->Picture()->Graphic();
        painter.drawImage(picture, graphic->ToImage());
        const QRect crop = page_.CropOnView();
        if (crop.isEmpty())
            return;
        // The face's outline (and hole) mapped onto the crop; outside it the picture dims.
        TCanvas canvas(&painter);
        const TRect outer = page_.face_.OuterRect();
        canvas.SetMapMode(TMapMode::Anisotropic);
        canvas.SetWindowOrg(outer.TopLeft());
        canvas.SetWindowExt({std::max(1, RectWidth(outer)), std::max(1, RectHeight(outer))});
        canvas.SetViewportOrg(crop.topLeft());
        canvas.SetViewportExt(crop.size());
        const QRegion face = page_.face_.CreateRegion(&canvas, true);
        painter.save();
        painter.resetTransform();
        painter.setClipRegion(QRegion(picture) - face);
        painter.fillRect(picture, QColor(0, 0, 0, 110));
        painter.restore();
        painter.setPen(QPen(Qt::red, 0));
        painter.setBrush(Qt::NoBrush);
        page_.face_.DrawFace(canvas, false, false);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        dragging_ = event->button() == Qt::LeftButton && page_.CropOnView().contains(event->position().toPoint());
        if (!dragging_)
            return;
        pressed_ = event->position();
        start_ = page_.Crop();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!dragging_)
            return;
        // View pixels back to picture pixels.
        const QRect picture = page_.PictureOnView();
        const QSize size = page_.PictureSize();
        const QPointF moved = event->position() - pressed_;
        page_.MoveTo(start_, QPoint(RoundHalfAway(moved.x() * size.width() / picture.width()),
                                    RoundHalfAway(moved.y() * size.height() / picture.height())));
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (dragging_)
            mouseMoveEvent(event);
        dragging_ = false;
    }

private:
    TfrmBackClipEditor& page_;
    bool dragging_ = false;
    QPointF pressed_;
    TRect start_;
};

TfrmBackClipEditor::TfrmBackClipEditor(QWidget* parent)
    : QWidget(parent), view_(new TClipView(*this)), step_(new QSpinBox), cropText_(new QLabel)
{
    step_->setRange(kStepMin, kStepMax);
    step_->setValue(kStepStart);

    auto* arrows = new QGridLayout;
    const auto button = [this](const char* caption, auto action) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    arrows->addWidget(button("↑", [this] { MoveByStep(0, -1); }), 0, 1);
    arrows->addWidget(button("←", [this] { MoveByStep(-1, 0); }), 1, 0);
    arrows->addWidget(step_, 1, 1);
    arrows->addWidget(button("→", [this] { MoveByStep(1, 0); }), 1, 2);
    arrows->addWidget(button("↓", [this] { MoveByStep(0, 1); }), 2, 1);
    auto* edges = new QGridLayout;
    edges->addWidget(button("左端", [this] { MoveFlush(Qt::LeftEdge); }), 0, 0);
    edges->addWidget(button("上端", [this] { MoveFlush(Qt::TopEdge); }), 0, 1);
    edges->addWidget(button("右端", [this] { MoveFlush(Qt::RightEdge); }), 1, 0);
    edges->addWidget(button("下端", [this] { MoveFlush(Qt::BottomEdge); }), 1, 1);
    edges->addWidget(button("リセット", [this] { ResetCrop(); }), 2, 0, 1, 2);

    auto* controls = new QVBoxLayout;
    controls->addLayout(arrows);
    controls->addLayout(edges);
    controls->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(view_, 0, Qt::AlignTop);
    body->addLayout(controls);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("※マウスで背景型を移動します")));
    layout->addLayout(body);
    layout->addWidget(cropText_);
    layout->addStretch();
    SetImageData(nullptr, {});
}

void TfrmBackClipEditor::SetImageData(TImageData* data, const TFaceInfo& face)
{
    data_ = data;
    face_ = face;
    ShowPicture();
}

void TfrmBackClipEditor::ShowPicture()
{
    setEnabled(Active());
    if (Active()) {
        const QSize size = PictureSize();
        if (Crop() == TRect(0, 0, size.width(), size.height()))
            ResetCrop();
    }
    ShowCrop();
}

QSize TfrmBackClipEditor::PictureSize() const
{
    if (!data_ || data_->Empty())
        return {};
    return {data_->Picture()->Width(), data_->Picture()->Height()};
}

TRect TfrmBackClipEditor::Crop() const
{
    const QSize size = PictureSize();
    return size.isEmpty() ? TRect() : data_->ClipFilter()->EffectiveRect(size.width(), size.height());
}

bool TfrmBackClipEditor::Active() const
{
    return !PictureSize().isEmpty();
}

void TfrmBackClipEditor::SetCrop(const TRect& crop)
{
    if (!Active())
        return;
    data_->ClipFilter()->SetClipRect(crop);
    ShowCrop();
    Q_EMIT Changed();
}

void TfrmBackClipEditor::MoveTo(const TRect& start, QPoint offset)
{
    const QSize size = PictureSize();
    const int left = std::clamp(start.Left + offset.x(), 0, std::max(0, size.width() - RectWidth(start)));
    const int top = std::clamp(start.Top + offset.y(), 0, std::max(0, size.height() - RectHeight(start)));
    SetCrop(start.Translated(left - start.Left, top - start.Top));
}

void TfrmBackClipEditor::MoveByStep(int dx, int dy)
{
    // Typed text may lie outside the field's range: the nearest limit counts, and shows.
    bool number = false;
    const int typed = step_->cleanText().toInt(&number);
    step_->setValue(std::clamp(number ? typed : step_->value(), step_->minimum(), step_->maximum()));
    MoveTo(Crop(), QPoint(dx * step_->value(), dy * step_->value()));
}

void TfrmBackClipEditor::MoveFlush(Qt::Edge edge)
{
    const TRect crop = Crop();
    const QSize size = PictureSize();
    switch (edge) {
    case Qt::LeftEdge:
        return MoveTo(crop, {-crop.Left, 0});
    case Qt::TopEdge:
        return MoveTo(crop, {0, -crop.Top});
    case Qt::RightEdge:
        return MoveTo(crop, {size.width() - crop.Right, 0});
    case Qt::BottomEdge:
        return MoveTo(crop, {0, size.height() - crop.Bottom});
    }
}

void TfrmBackClipEditor::ResetCrop()
{
    if (!Active())
        return;
    const TRect outer = face_.OuterRect();
    data_->ResetClip(RectWidth(outer), RectHeight(outer));
    ShowCrop();
    Q_EMIT Changed();
}

QString TfrmBackClipEditor::CropText() const
{
    const TRect crop = Crop();
    return QString::asprintf("左:%3.1f 上:%3.1f / 幅:%3.1f 高:%3.1f(mm)", crop.Left / 10.0, crop.Top / 10.0,
                             RectWidth(crop) / 10.0, RectHeight(crop) / 10.0);
}

QRect TfrmBackClipEditor::PictureOnView() const
{
    const QSize size = PictureSize();
    if (size.isEmpty())
        return {};
    const QSize shown = size.scaled(view_->size(), Qt::KeepAspectRatio).expandedTo({1, 1});
    return QRect(QPoint((view_->width() - shown.width()) / 2, (view_->height() - shown.height()) / 2), shown);
}

QRect TfrmBackClipEditor::CropOnView() const
{
    const QRect picture = PictureOnView();
    const QSize size = PictureSize();
    if (picture.isEmpty())
        return {};
    const TRect crop = Crop();
    const auto x = [&](int px) { return picture.left() + MulDiv(px, picture.width(), size.width()); };
    const auto y = [&](int py) { return picture.top() + MulDiv(py, picture.height(), size.height()); };
    return QRect(QPoint(x(crop.Left), y(crop.Top)), QPoint(x(crop.Right) - 1, y(crop.Bottom) - 1));
}

void TfrmBackClipEditor::ShowCrop()
{
    cropText_->setText(Active() ? CropText() : QString());
    view_->update();
}
