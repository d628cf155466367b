#include "document/ld_objects.h"

#include "core/model/document_facts.h"
#include "core/model/draw_object.h"
#include "core/stream/reader.h"

LR_DEFINE_CLASS(TLDObjects, TComponent, LR_CREATABLE(TLDObjects))

namespace {

bool IsEmptyBackground(const TDrawObject* object)
{
    const auto* background = dynamic_cast<const IBackgroundImageObject*>(object);
    return background && background->IsEmptyBackground();
}

} // namespace

TLDObjects::~TLDObjects() = default;

void TLDObjects::GetChildren(const std::function<void(TComponent&)>& proc) const
{
    for (auto it = list_.rbegin(); it != list_.rend(); ++it)
        if (!IsEmptyBackground(*it))
            proc(**it);
}

void TLDObjects::InsertStreamedChild(std::unique_ptr<TComponent> child)
{
    auto* object = dynamic_cast<TDrawObject*>(child.get());
    if (!object)
        TReader::FailFormat();
    child.release();
    read_.emplace_back(object);
}

bool TLDObjects::WritesNothing(const std::vector<TDrawObject*>& list)
{
    return std::all_of(list.begin(), list.end(), IsEmptyBackground);
}
