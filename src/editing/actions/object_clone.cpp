#include "editing/actions/object_clone.h"

#include "core/error.h"
#include "core/model/draw_object.h"
#include "core/stream/component_stream.h"

std::unique_ptr<TDrawObject> CloneObject(const TDrawObject& object)
{
    std::unique_ptr<TComponent> copy = ReadComponentBytes(ComponentBytes(object));
    auto* drawObject = dynamic_cast<TDrawObject*>(copy.get());
    if (!drawObject)
        throw EAppError(QStringLiteral("Class %1 not found").arg(QString::fromLatin1(object.ClassInfo().Name())));
    copy.release();
    return std::unique_ptr<TDrawObject>(drawObject);
}
