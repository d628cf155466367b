#include "core/persistent/component.h"

#include "core/error.h"

LR_DEFINE_CLASS(TComponent, TPersistent, LR_ABSTRACT,
    prop::Integer("Tag", &Self::Tag, &Self::SetTag).Default(0))

void TComponent::GetChildren(const std::function<void(TComponent&)>&) const
{
}

void TComponent::InsertStreamedChild(std::unique_ptr<TComponent>)
{
    throw EAppError(QStringLiteral("不正なストリーム フォーマット"));
}
