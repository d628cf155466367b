#include "objects/groups/group_object.h"

#include "core/error.h"
#include "core/model/draw_site_model.h"
#include "core/model/placement.h"
#include "objects/groups/object_copy.h"

LR_DEFINE_CLASS(TDOGroup, TLabelObject, LR_CREATABLE(TDOGroup))

TDOGroup::TDOGroup() = default;
TDOGroup::~TDOGroup() = default;

std::vector<TDrawObject*> TDOGroup::Members() const
{
    std::vector<TDrawObject*> list;
    list.reserve(members_.size());
    for (const auto& member : members_)
        list.push_back(member.get());
    return list;
}

TDrawObject* TDOGroup::AddMember(std::unique_ptr<TDrawObject> member)
{
    members_.push_back(std::move(member));
    return members_.back().get();
}

void TDOGroup::MembersChanged()
{
    Changed();
    Invalidate();
    if (TDrawSiteModel* site = Site())
        site->PlaceObject(*this);
    Invalidate();
}

TRect TDOGroup::GetBounds() const
{
    if (members_.empty())
        return {};
    TRect bounds = members_.front()->GetBounds();
    for (std::size_t index = 1; index < members_.size(); ++index)
        bounds = UnionRect(bounds, members_[index]->GetBounds());
    return bounds;
}

bool TDOGroup::HitTest(QPoint logical) const
{
    for (const auto& member : members_)
        if (member->HitTest(logical))
            return true;
    return false;
}

void TDOGroup::Paint(TCanvas& canvas)
{
    for (const auto& member : members_)
        member->PaintTo(canvas);
}

void TDOGroup::MoveBy(int dx, int dy)
{
    for (const auto& member : members_)
        if (auto* bounds = dynamic_cast<IDOEncloseBounds*>(member.get()))
            bounds->MoveBy(dx, dy);
    MembersChanged();
}

void TDOGroup::Resize(int width, int height)
{
    const TRect from = GetBounds();
    const TRect to{from.Left, from.Top, from.Left + width, from.Top + height};
    ScaleObjects(Members(), from, to);
    MembersChanged();
}

void TDOGroup::DrawOutline(TCanvas& canvas)
{
    for (const auto& member : members_)
        if (auto* ghost = dynamic_cast<IDODrawGhost*>(member.get()))
            ghost->DrawOutline(canvas);
}

void TDOGroup::GetChildren(const std::function<void(TComponent& child)>& proc) const
{
    for (const auto& member : members_)
        proc(*member);
}

void TDOGroup::InsertStreamedChild(std::unique_ptr<TComponent> child)
{
    auto* member = dynamic_cast<TDrawObject*>(child.get());
    if (!member)
        throw EAppError(QStringLiteral("不正なストリーム フォーマット"));
    child.release();
    AddMember(std::unique_ptr<TDrawObject>(member));
}

void TDOGroup::AssignTo(TPersistent& target) const
{
    TLabelObject::AssignTo(target);
    auto* group = dynamic_cast<TDOGroup*>(&target);
    if (!group || group == this)
        return;
    std::vector<std::unique_ptr<TDrawObject>> copies;
    copies.reserve(members_.size());
    for (const auto& member : members_)
        copies.push_back(CopyDrawObject(*member));
    group->members_ = std::move(copies);
    group->MembersChanged();
}
