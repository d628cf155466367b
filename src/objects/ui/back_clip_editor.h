#pragma once
// TfrmBackClipEditor, the "切り抜き" page of "背景イメージの調整": the face's outline placed
// over the fill picture on the picture's crop, which the user moves by dragging the outline
// with the mouse, by the arrow buttons (the step field's value in picture pixels), flush
// with an edge of the picture, or back to the face's proportions centred in the picture
// ("リセット"). The crop always stays inside the picture. A line under the picture shows the
// crop as "左:%3.1f 上:%3.1f / 幅:%3.1f 高:%3.1f(mm)", each value the crop's divided by 10.
#include "core/canvas/rect.h"
#include "core/face/face_info.h"

#include <QWidget>

class QLabel;
class QSpinBox;
class TImageData;

class TfrmBackClipEditor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBackClipEditor(QWidget* parent = nullptr);

    // The fill's image data, cropped in place, and the face whose outline shows; nullptr
    // disables the page. A crop that is still the whole picture starts from the reset one.
    void SetImageData(TImageData* data, const TFaceInfo& face);
    // Shows the picture again after it changed (turned or mirrored, say), with the same rule.
    void ShowPicture();

    // Moves the crop by the step times dx and dy; the step is first brought into the field's
    // range.
    void MoveByStep(int dx, int dy);
    // Moves the crop flush with that edge of the picture.
    void MoveFlush(Qt::Edge edge);
    // The largest rectangle of the face's proportions centred in the picture.
    void ResetCrop();
    // The crop as it applies to the picture (picture pixels).
    TRect Crop() const;
    QString CropText() const;

    QSpinBox* StepField() const { return step_; }
    // The widget the picture and the outline are drawn on, and where the crop shows on it.
    QWidget* View() const { return view_; }
    QRect CropOnView() const;

Q_SIGNALS:
    void Changed();

private:
    friend class TClipView;
    // The crop moved by an offset in picture pixels and kept inside the picture.
    void MoveTo(const TRect& start, QPoint offset);
    void SetCrop(const TRect& crop);
    QSize PictureSize() const;
    // Whether there is a picture to crop.
    bool Active() const;
    // Where the picture shows on the view and the picture pixels per view pixel.
    QRect PictureOnView() const;
    void ShowCrop();

    TImageData* data_ = nullptr;
    TFaceInfo face_;
    QWidget* view_;
    QSpinBox* step_;
    QLabel* cropText_;
};
