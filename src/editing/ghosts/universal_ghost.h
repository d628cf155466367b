#pragma once
// The base of every object ghost: the target, a working copy cloned through the component
// stream, the start point and handle index, and the common commit that writes the copy
// back as one change action.
#include "editing/actions/watched_ref.h"
#include "editing/ghosts/ghost.h"

#include <memory>
#include <vector>

class TDrawObject;

namespace caption {
inline const QString Move = QStringLiteral("移動");
inline const QString Resize = QStringLiteral("サイズ変更");
inline const QString Rotate = QStringLiteral("回転");
inline const QString LineEdit = QStringLiteral("移動・サイズ変更");
inline const QString DragCopy = QStringLiteral("ドラッグコピー");
inline const QString Add = QStringLiteral("追加");
} // namespace caption

class TUniversalGhost : public TGhost {
public:
    TUniversalGhost(TDrawObject& target, int handleIndex, QString caption);
    ~TUniversalGhost() override;

    void Begin(QPoint start) override { start_ = start; }
    void Draw(TCanvas& canvas) override;
    void Commit(TShiftState shift) override;
    QString Caption(TShiftState) const override { return caption_; }
    bool Lost() const override { return !target_; }

    TDrawObject* Target() const { return target_.Get(); }
    TDrawObject& Copy() const { return *copy_; }
    int HandleIndex() const { return handleIndex_; }
    QPoint StartPoint() const { return start_; }

protected:
    // The common commit: the target takes over the copy inside one change action. A failure
    // puts the target back as it was and passes the error on.
    void CommitCopy(const QString& caption);
    // The snap offset of one point, and of several points together (per axis the smallest
    // offset in absolute value over all points).
    TSnapOffset SnapOffset(QPoint point) const;
    TSnapOffset SnapOffset(const std::vector<QPoint>& points) const;
    // The point snapped, or unchanged when there is nothing to snap to.
    QPoint Snapped(QPoint point) const;

private:
    TWatchedRef<TDrawObject> target_;
    std::unique_ptr<TDrawObject> copy_;
    int handleIndex_;
    QString caption_;
    QPoint start_;
};

// Shifts the rectangle so that its centre lies at least 10 units inside the clamp.
TRect ClampCentre(const TRect& rect, const TRect& clamp);
// The offset applied to a point, 0 on an axis without a candidate.
QPoint OffsetOrZero(const TSnapOffset& offset);
