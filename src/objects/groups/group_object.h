#pragma once
// TDOGroup: draw objects joined so that they move, resize, paint and print as one. The
// group owns its members; they sit on no site and take no mouse input, only the group is
// on the site. Member order is z-order (the first member is the back-most) and member
// geometry is in the face's logical coordinates. In a stream the members are the group's
// child components, in member order.
#include "core/model/label_object.h"
#include "core/model/object_interfaces.h"
#include "core/model/object_walk.h"

#include <memory>
#include <vector>

// The mouse cursor of grouped and newly created objects (a pointing hand).
inline constexpr int kHandPointCursor = -21;

class TDOGroup : public TLabelObject,
                 public IDOEncloseBounds,
                 public IDORect,
                 public IDODrawGhost,
                 public IObjectContainer {
    LR_CLASS(TDOGroup, TLabelObject)
public:
    TDOGroup();
    ~TDOGroup() override;

    int MemberCount() const { return static_cast<int>(members_.size()); }
    TDrawObject& Member(int index) const { return *members_.at(index); }
    std::vector<TDrawObject*> Members() const override;
    // Takes the object as the new front-most member (it must be on no site).
    TDrawObject* AddMember(std::unique_ptr<TDrawObject> member);
    // Re-places the group on its site from its bounds and reports the change.
    void MembersChanged();

    // The union of the members' bounds in member order; a group without members has
    // empty bounds at (0, 0).
    TRect GetBounds() const override;
    // True at the first member that is hit; the space between members is no hit.
    bool HitTest(QPoint logical) const override;
    // Every member draws itself onto the canvas with its own PaintTo, in member order.
    void Paint(TCanvas& canvas) override;

    // IDOEncloseBounds
    void MoveBy(int dx, int dy) override;
    // Scales every member from the current bounds onto the requested size at the same
    // top-left corner.
    void Resize(int width, int height) override;

    // IDORect: getters read the bounds; setters move or resize the whole group.
    int Left() const override { return GetBounds().Left; }
    void SetLeft(int value) override { MoveBy(value - Left(), 0); }
    int Top() const override { return GetBounds().Top; }
    void SetTop(int value) override { MoveBy(0, value - Top()); }
    int Width() const override { return RectWidth(GetBounds()); }
    void SetWidth(int value) override { Resize(value, Height()); }
    int Height() const override { return RectHeight(GetBounds()); }
    void SetHeight(int value) override { Resize(Width(), value); }
    bool KeepAspect() const override { return false; }

    // IDODrawGhost
    void PaintTo(TCanvas& canvas) override { TLabelObject::PaintTo(canvas); }
    void DrawOutline(TCanvas& canvas) override;

    void GetChildren(const std::function<void(TComponent& child)>& proc) const override;
    // Draw objects read as children become members in stream order; anything else is not
    // one of our streams.
    void InsertStreamedChild(std::unique_ptr<TComponent> child) override;

    // The inherited assignment, then the members replaced by copies of the source's.
    void AssignTo(TPersistent& target) const override;

private:
    std::vector<std::unique_ptr<TDrawObject>> members_;
};
