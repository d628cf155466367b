#include "core/model/label_object.h"

#include "core/canvas/canvas.h"
#include "core/model/designer_registry.h"

LR_DEFINE_CLASS(TLabelObject, TDrawObject, LR_ABSTRACT,
    prop::Boolean("DontPrint", &Self::DontPrint, &Self::SetDontPrint),
    prop::Integer("BlendRatio", &Self::BlendRatio, &Self::SetBlendRatio).Default(100),
    prop::Boolean("BlendShade", &Self::BlendShade, &Self::SetBlendShade).Default(false))

void TLabelObject::SetDontPrint(bool dontPrint)
{
    if (dontPrint == dontPrint_)
        return;
    dontPrint_ = dontPrint;
    Notifier().Notify(this, notify::DontPrintChanged);
    Changed();
}

void TLabelObject::SetBlendRatio(int ratio)
{
    if (ratio == blendRatio_)
        return;
    blendRatio_ = ratio;
    Changed();
    Invalidate();
}

void TLabelObject::SetBlendShade(bool shade)
{
    if (shade == blendShade_)
        return;
    blendShade_ = shade;
    Changed();
    Invalidate();
}

int TLabelObject::Release()
{
    const int count = --refCount_;
    if (count == 0)
        delete this;
    return count;
}

void TLabelObject::CreatePivots()
{
    if (IDesignerRegistry* registry = DesignerRegistry())
        registry->CreatePivots(*this);
}

void TLabelObject::AddGhost(int handleIndex)
{
    if (IDesignerRegistry* registry = DesignerRegistry())
        registry->AddGhost(*this, handleIndex);
}

void TLabelObject::SetMovable(bool movable)
{
    if (movable == Movable())
        return;
    Changed();
    TDrawObject::SetMovable(movable);
}

void TLabelObject::PaintTo(TCanvas& canvas)
{
    if (dontPrint_ && IsPrinterCanvas(canvas))
        return;
    TDrawObject::PaintTo(canvas);
}

bool TLabelObject::Edit()
{
    IDesignerRegistry* registry = DesignerRegistry();
    return registry && registry->Edit(*this);
}

void TLabelObject::AssignTo(TPersistent& target) const
{
    TDrawObject::AssignTo(target);
    auto* object = dynamic_cast<TLabelObject*>(&target);
    if (!object)
        return;
    object->SetPopupMenu(PopupMenu());
    object->SetSelectable(Selectable());
    object->SetMovable(Movable());
    object->SetTag(Tag());
    object->SetHint(Hint());
    object->SetCursor(Cursor());
    object->SetDontPrint(dontPrint_);
    object->SetBlendShade(blendShade_);
    object->SetBlendRatio(blendRatio_);
}
