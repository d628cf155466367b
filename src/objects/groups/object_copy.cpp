#include "objects/groups/object_copy.h"

#include "core/error.h"
#include "core/model/draw_object.h"

std::unique_ptr<TDrawObject> CopyDrawObject(const TDrawObject& object)
{
    std::unique_ptr<TPersistent> created(object.ClassInfo().Create());
    auto* copy = dynamic_cast<TDrawObject*>(created.get());
    if (!copy)
        throw EAppError(QStringLiteral("クラス %1 が見つかりません").arg(object.ClassName()));
    created.release();
    std::unique_ptr<TDrawObject> result(copy);
    result->Assign(object);
    return result;
}
