#include "core/stream/class_registry.h"

#include "core/persistent/component.h"

#include <vector>

namespace {

std::vector<const TClassInfo*>& Registry()
{
    static std::vector<const TClassInfo*> registry;
    return registry;
}

// Class names of earlier versions and the classes that now stand for them.
struct Renaming {
    const char* oldName;
    const char* currentName;
};
constexpr Renaming kRenamings[] = {
    {"TLOImage", "TLOWizardImage"},       {"TLOImagePaste", "TLOWizardImage"},
    {"TLOBitmapPaste", "TLOWizardImage"}, {"TLOMetafilePaste", "TLOWizardImage"},
    {"TLOOnePoint", "TLOWizardImage"},    {"TLOTwain", "TLOWizardImage"},
    {"TLOTextPaste", "TLOText"},          {"TLOShadeText", "TLOText"},
    {"TLOWizardText", "TLOText"},         {"TLOOLEPaste", "TLOOLE"},
};

} // namespace

void RegisterClass(const TClassInfo& info)
{
    auto& registry = Registry();
    for (const TClassInfo*& registered : registry)
        if (qstricmp(registered->Name(), info.Name()) == 0) {
            registered = &info;
            return;
        }
    registry.push_back(&info);
}

const TClassInfo* FindClass(const QByteArray& name)
{
    for (const TClassInfo* info : Registry())
        if (name.compare(info->Name(), Qt::CaseInsensitive) == 0)
            return info;
    return nullptr;
}

std::unique_ptr<TComponent> CreateRegisteredComponent(const QByteArray& className)
{
    const TClassInfo* info = FindClass(className);
    if (!info)
        return nullptr;
    std::unique_ptr<TPersistent> object(info->Create());
    if (auto* component = dynamic_cast<TComponent*>(object.get())) {
        object.release();
        return std::unique_ptr<TComponent>(component);
    }
    return nullptr;
}

QByteArray CurrentObjectClassName(const QByteArray& className)
{
    for (const Renaming& renaming : kRenamings)
        if (className.compare(renaming.oldName, Qt::CaseInsensitive) == 0)
            return renaming.currentName;
    return className;
}

std::unique_ptr<TComponent> CreateObjectByClassName(const QByteArray& className)
{
    return CreateRegisteredComponent(CurrentObjectClassName(className));
}
