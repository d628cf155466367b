#include "core/model/rect_object.h"

#include "core/model/draw_site_model.h"

LR_DEFINE_CLASS(TLORectBase, TLabelObject, LR_ABSTRACT,
    prop::Integer("Left", &Self::Left, &Self::SetLeft),
    prop::Integer("Top", &Self::Top, &Self::SetTop),
    prop::Integer("Width", &Self::Width, &Self::SetWidth),
    prop::Integer("Height", &Self::Height, &Self::SetHeight))

void TLORectBase::SetBoundsRect(const TRect& rect)
{
    const TRect normal = NormalizeRect(rect);
    if (normal == rect_)
        return;
    rect_ = normal;
    if (TDrawSiteModel* site = Site())
        site->PlaceObject(*this);
    Changed();
}

void TLORectBase::SetLeft(int value)
{
    SetBoundsRect({value, rect_.Top, WrappedAdd(value, Width()), rect_.Bottom});
}

void TLORectBase::SetTop(int value)
{
    SetBoundsRect({rect_.Left, value, rect_.Right, WrappedAdd(value, Height())});
}

void TLORectBase::SetWidth(int value)
{
    SetBoundsRect({rect_.Left, rect_.Top, WrappedAdd(rect_.Left, value), rect_.Bottom});
}

void TLORectBase::SetHeight(int value)
{
    SetBoundsRect({rect_.Left, rect_.Top, rect_.Right, WrappedAdd(rect_.Top, value)});
}

void TLORectBase::MoveBy(int dx, int dy)
{
    SetLeft(WrappedAdd(rect_.Left, dx));
    SetTop(WrappedAdd(rect_.Top, dy));
}

void TLORectBase::AssignTo(TPersistent& target) const
{
    TLabelObject::AssignTo(target);
    if (auto* object = dynamic_cast<TLORectBase*>(&target))
        object->SetBoundsRect(rect_);
}
