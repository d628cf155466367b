#include "core/frame/component_macros.h"

#include "core/persistent/component.h"
#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/persistent/string_list.h"

namespace {

const QString kMacroStart = QStringLiteral("$(");

QString ExpandedOrSame(const QString& text)
{
    if (!text.contains(kMacroStart))
        return text;
    try {
        return Expand(text);
    } catch (const EAppError&) {
        return text;
    }
}

void ExpandObject(TPersistent& object, int depth)
{
    // Sub-objects form a tree; the bound only guards against a class that hands out its
    // own owner as a sub-object.
    if (depth > 32)
        return;
    if (auto* list = dynamic_cast<TStringList*>(&object)) {
        QStringList lines = list->Lines();
        for (QString& line : lines)
            line = ExpandedOrSame(line);
        list->SetLines(lines);
    }
    for (const TPropInfo* property : object.ClassInfo().Properties()) {
        if (!property->IsStored(object))
            continue;
        switch (property->Kind) {
        case TPropKind::String:
        case TPropKind::WString: {
            const QString value = std::get<QString>(property->Get(object));
            const QString expanded = ExpandedOrSame(value);
            if (expanded != value)
                property->Set(object, expanded);
            break;
        }
        case TPropKind::Class:
            if (TPersistent* sub = property->SubObject(object))
                ExpandObject(*sub, depth + 1);
            break;
        default:
            break;
        }
    }
    if (auto* component = dynamic_cast<TComponent*>(&object))
        component->GetChildren([depth](TComponent& child) { ExpandObject(child, depth + 1); });
}

} // namespace

void ExpandComponentMacros(TPersistent& object)
{
    ExpandObject(object, 0);
}
