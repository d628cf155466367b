#pragma once
// TLOFace: one face of a paper shown as a draw object on a paper overview site, where the
// user picks the face to edit (or, when the face is editable, moves and resizes it). It
// is created for display and never stored in documents. Its face selection is its own
// flag, apart from the draw-object selection that drives editing handles: on an exclusive
// site selecting a face deselects the others, elsewhere a click toggles it.
#include "core/persistent/color_type.h"
#include "core/face/face_info.h"
#include "core/model/rect_object.h"

#include <functional>

class TLOFace : public TLORectBase {
    LR_CLASS(TLOFace, TLORectBase)
public:
    TLOFace() = default;

    const TFaceInfo& FaceInfo() const { return info_; }
    // Ignored for a non-editable face that is already on a site; otherwise copies the
    // description and takes its outer rectangle as the object's rectangle.
    void SetFaceInfo(const TFaceInfo& info);

    bool Editable() const { return editable_; }
    void SetEditable(bool editable) { editable_ = editable; }
    bool FaceSelected() const { return faceSelected_; }
    // Selecting an exclusive face deselects every other face on the same site.
    void SetFaceSelected(bool selected);
    bool Exclusive() const { return exclusive_; }
    void SetExclusive(bool exclusive);
    // Draw the face's number and purpose.
    bool ShowInfo() const { return showInfo_; }
    void SetShowInfo(bool show);
    // Fill of a selected face.
    TColor FaceColor() const { return faceColor_; }
    void SetFaceColor(TColor color);
    // Called after a press changed the face selection.
    void SetOnFaceClick(std::function<void(TLOFace*)> onFaceClick) { onFaceClick_ = std::move(onFaceClick); }

    void Paint(TCanvas& canvas) override;
    // Hits only inside the outline and outside the hole.
    bool HitTest(QPoint logical) const override;
    // Accepted only for an editable face or a face without a site; keeps the description's
    // outer rectangle equal to the object's rectangle.
    void SetBoundsRect(const TRect& rect) override;
    void Resize(int width, int height) override;
    void DrawOutline(TCanvas& canvas) override;
    void CreatePivots() override;
    // Moving the whole face uses a plain move ghost without move options.
    void AddGhost(int handleIndex) override;
    // A left press selects an exclusive face or toggles any other, before the ordinary
    // press; the face-click callback runs when the selection changed.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint local) override;

    void AssignTo(TPersistent& target) const override;

private:
    TFaceInfo info_;
    bool editable_ = false;
    bool faceSelected_ = false;
    bool exclusive_ = false;
    bool showInfo_ = false;
    TColor faceColor_ = 0xAFE7FF; // light cream
    std::function<void(TLOFace*)> onFaceClick_;
};
