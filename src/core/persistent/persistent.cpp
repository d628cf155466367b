#include "core/persistent/persistent.h"

#include "core/error.h"

const char* TTypeInfo::IdentifierOf(std::int64_t value) const
{
    for (const auto& [number, name] : Identifiers)
        if (number == value)
            return name;
    return nullptr;
}

std::optional<std::int64_t> TTypeInfo::ValueOf(const QByteArray& identifier) const
{
    for (const auto& [number, name] : Identifiers)
        if (identifier.compare(name, Qt::CaseInsensitive) == 0)
            return number;
    return std::nullopt;
}

bool TPropInfo::IsOrdinal() const
{
    return Kind == TPropKind::Integer || Kind == TPropKind::Char || Kind == TPropKind::Enumeration ||
           Kind == TPropKind::Set;
}

bool TPropInfo::IsStored(const TPersistent& object) const
{
    switch (Stored) {
    case TStoredRule::Always:
        return true;
    case TStoredRule::Never:
        return false;
    case TStoredRule::Function:
        return StoredFunction(object);
    }
    return true;
}

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, Factory factory, Declaration declaration)
    : name_(name), parent_(parent), factory_(factory)
{
    if (parent_)
        all_ = parent_->Properties();
    if (declaration)
        own_ = declaration();
    for (const TPropInfo& property : own_) {
        bool republished = false;
        for (const TPropInfo*& inherited : all_) {
            if (qstricmp(inherited->Name, property.Name) == 0) {
                inherited = &property;
                republished = true;
                break;
            }
        }
        if (!republished)
            all_.push_back(&property);
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* info = this; info; info = info->parent_)
        if (info == &other)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(const QByteArray& name) const
{
    for (const TPropInfo* property : Properties())
        if (name.compare(property->Name, Qt::CaseInsensitive) == 0)
            return property;
    return nullptr;
}

const TClassInfo& TPersistent::StaticClassInfo()
{
    static const TClassInfo info("TPersistent", nullptr, nullptr, nullptr);
    return info;
}

void TPersistent::Assign(const TPersistent& source)
{
    source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& target) const
{
    throw EAppError(QStringLiteral("%1 を %2 に代入できません").arg(ClassName(), target.ClassName()));
}

void TPersistent::DefineProperties(TFiler&)
{
}

void AssignPublishedProperties(const TPersistent& source, TPersistent& target)
{
    const TClassInfo& sourceClass = source.ClassInfo();
    for (const TPropInfo* property : target.ClassInfo().Properties()) {
        const TPropInfo* from = sourceClass.FindProperty(QByteArray(property->Name));
        if (!from || from->Kind != property->Kind || !property->Set)
            continue;
        switch (property->Kind) {
        case TPropKind::Component:
        case TPropKind::Method:
            break;
        case TPropKind::Class:
        case TPropKind::Collection: {
            TPersistent* targetObject = property->SubObject(target);
            const TPersistent* sourceObject = std::get<const TPersistent*>(from->Get(source));
            if (targetObject && sourceObject)
                targetObject->Assign(*sourceObject);
            break;
        }
        default:
            property->Set(target, from->Get(source));
        }
    }
}

namespace prop {

const TTypeInfo BooleanType{"Boolean", {{0, "False"}, {1, "True"}}, true, nullptr};

namespace detail {
TPropInfo Make(const char* name, TPropKind kind, const TTypeInfo* type)
{
    TPropInfo info;
    info.Name = name;
    info.Kind = kind;
    info.Type = type;
    return info;
}
} // namespace detail

} // namespace prop
