#pragma once
// Persistent objects and their published properties, declared once as data.
//
// Each persistent class lists its own published properties, in stream order, in one
// table (LR_DEFINE_CLASS). The full property list of a class is its ancestors' list
// followed by its own, where a property that a descendant publishes again under the same
// name keeps the ancestor's position. Streaming, assignment, macro expansion of string
// properties and property panels all walk this list instead of naming properties again.
// Extra properties with their own writers (string lists, pictures, binary data) are
// declared by DefineProperties and follow the published ones.
#include "core/persistent/object.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

class TPersistent;
class TReader;
class TWriter;

enum class TPropKind {
    Integer,     // 32-bit integer; may have an identifier table (colours, character sets)
    Char,        // one character
    Enumeration, // named values 0..n-1; Boolean is the enumeration False, True
    Set,         // bit set over an enumeration
    Float,       // floating point of a TFloatType
    Int64,
    String,      // text, stored as Shift-JIS bytes
    WString,     // wide text, stored as UTF-16
    Class,       // persistent sub-object: its properties are streamed with a path prefix
    Collection,  // a TCollection sub-object
    Component,   // reference to a component, stored by name
    Method,      // event handler, stored by the handler's published name
};

enum class TFloatType { Single, Double, Extended, Currency, DateTime };

// The names of an ordinal type: enumeration values, the members of a set's element type,
// or the identifiers of an integer type (colours, character sets).
struct TTypeInfo {
    const char* Name;
    std::vector<std::pair<std::int64_t, const char*>> Identifiers;
    bool IsBoolean = false;
    const TTypeInfo* SetElement = nullptr; // for sets: the enumeration of the members

    // The identifier of a value, or nullptr when it has none.
    const char* IdentifierOf(std::int64_t value) const;
    // The value of an identifier (case-insensitive), or nothing.
    std::optional<std::int64_t> ValueOf(const QByteArray& identifier) const;
};

// A property value as the generic mechanisms see it: ordinals (integers, characters,
// enumerations, sets as bit masks, booleans) and 64-bit integers as int64; floating point
// as double; text as QString; component references as a pointer; sub-objects and
// collections as a read-only pointer (TPropInfo::SubObject hands them out for change);
// methods as the handler's name in QString.
using TPropValue = std::variant<std::int64_t, double, QString, TPersistent*, const TPersistent*>;

enum class TStoredRule { Always, Never, Function };

struct TPropInfo {
    const char* Name = "";
    TPropKind Kind = TPropKind::Integer;
    const TTypeInfo* Type = nullptr;          // identifiers of ordinal kinds
    TFloatType FloatType = TFloatType::Extended;
    std::optional<std::int64_t> DefaultValue; // ordinal kinds only; none means "always written"
    TStoredRule Stored = TStoredRule::Always;
    std::function<bool(const TPersistent&)> StoredFunction;
    std::function<TPropValue(const TPersistent&)> Get;
    std::function<void(TPersistent&, const TPropValue&)> Set; // empty for read-only sub-objects
    // Sub-objects and collections: the object itself, for reading into or changing it.
    std::function<TPersistent*(TPersistent&)> SubObject;

    // Builder steps, so that each property stays one line in its class's table.
    TPropInfo&& Default(std::int64_t value) && { DefaultValue = value; return std::move(*this); }
    TPropInfo&& NotStored() && { Stored = TStoredRule::Never; return std::move(*this); }
    template <class C>
    TPropInfo&& StoredIf(bool (C::*test)() const) &&
    {
        Stored = TStoredRule::Function;
        StoredFunction = [test](const TPersistent& object) { return (static_cast<const C&>(object).*test)(); };
        return std::move(*this);
    }

    bool IsOrdinal() const;
    // Whether the property is written for this object (stored rule only; the default and
    // emptiness rules are the writer's).
    bool IsStored(const TPersistent& object) const;
};

class TClassInfo {
public:
    using Factory = TPersistent* (*)();
    using Declaration = std::vector<TPropInfo> (*)();

    TClassInfo(const char* name, const TClassInfo* parent, Factory factory, Declaration declaration);
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const char* Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo& other) const;
    // Creates an instance, or returns nullptr for classes that cannot be created by name.
    TPersistent* Create() const { return factory_ ? factory_() : nullptr; }
    bool IsCreatable() const { return factory_ != nullptr; }

    // The full published property list in stream order (ancestors first, re-published
    // properties in their ancestor's position).
    const std::vector<const TPropInfo*>& Properties() const { return all_; }
    // The published property of that name (case-insensitive), or nullptr.
    const TPropInfo* FindProperty(const QByteArray& name) const;

private:
    const char* name_;
    const TClassInfo* parent_;
    Factory factory_;
    std::vector<TPropInfo> own_;
    std::vector<const TPropInfo*> all_;
};

// The filer hands a class's DefineProperties the means to declare extra properties; the
// component stream reader and writer implement it.
class TFiler {
public:
    using ReadProc = std::function<void(TReader& reader)>;
    using WriteProc = std::function<void(TWriter& writer)>;
    using ReadBinaryProc = std::function<void(const QByteArray& data)>;
    using WriteBinaryProc = std::function<QByteArray()>;

    virtual void DefineProperty(const char* name, ReadProc read, WriteProc write, bool hasData) = 0;
    virtual void DefineBinaryProperty(const char* name, ReadBinaryProc read, WriteBinaryProc write, bool hasData) = 0;

protected:
    ~TFiler() = default;
};

class TPersistent : public TObject {
public:
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    QString ClassName() const { return QString::fromLatin1(ClassInfo().Name()); }

    // Copies the source into this object. The default asks the source to AssignTo this
    // object and fails with an error when neither side knows the other.
    virtual void Assign(const TPersistent& source);

    // Declares the extra properties that follow the published ones in a stream.
    virtual void DefineProperties(TFiler& filer);

    // The object that owns this one in a stream path (the parent of a sub-object).
    virtual TPersistent* GetOwner() const { return nullptr; }

    // Copies this object into the target; classes extend it after their ancestor's part.
    virtual void AssignTo(TPersistent& target) const;
};

// Copies every published property that the target's class declares from a source of a
// class that declares it too: values through the accessors, sub-objects and collections
// through their Assign. Component references and events are not copied.
void AssignPublishedProperties(const TPersistent& source, TPersistent& target);

// Declares the class-information members of a persistent class.
#define LR_CLASS(Class, Parent)                                                                                      \
public:                                                                                                               \
    using inherited = Parent;                                                                                         \
    static const TClassInfo& StaticClassInfo();                                                                       \
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }                                        \
                                                                                                                      \
private:

// Defines the class information of a persistent class: its factory (LR_CREATABLE or
// LR_ABSTRACT) and its own published properties in stream order.
#define LR_DEFINE_CLASS(Class, Parent, Factory, ...)                                                                 \
    const TClassInfo& Class::StaticClassInfo()                                                                        \
    {                                                                                                                 \
        [[maybe_unused]] typedef Class Self;                                                                         \
        static const TClassInfo info(#Class, &Parent::StaticClassInfo(), Factory,                                    \
                                     []() -> std::vector<TPropInfo> { return {__VA_ARGS__}; });                      \
        return info;                                                                                                  \
    }

#define LR_CREATABLE(Class) ([]() -> TPersistent* { return new Class(); })
#define LR_ABSTRACT nullptr

// Property builders: one call per published property, from the class's accessors.
namespace prop {

namespace detail {
template <class C, class T>
std::function<TPropValue(const TPersistent&)> Getter(T (C::*get)() const)
{
    return [get](const TPersistent& object) -> TPropValue {
        const T value = (static_cast<const C&>(object).*get)();
        if constexpr (std::is_floating_point_v<T>)
            return static_cast<double>(value);
        else if constexpr (std::is_same_v<std::decay_t<T>, QString>)
            return value;
        else
            return static_cast<std::int64_t>(value);
    };
}

template <class C, class T>
std::function<void(TPersistent&, const TPropValue&)> Setter(void (C::*set)(T))
{
    using V = std::decay_t<T>;
    return [set](TPersistent& object, const TPropValue& value) {
        if constexpr (std::is_floating_point_v<V>)
            (static_cast<C&>(object).*set)(static_cast<V>(std::get<double>(value)));
        else if constexpr (std::is_same_v<V, QString>)
            (static_cast<C&>(object).*set)(std::get<QString>(value));
        else
            (static_cast<C&>(object).*set)(static_cast<V>(std::get<std::int64_t>(value)));
    };
}

TPropInfo Make(const char* name, TPropKind kind, const TTypeInfo* type);
} // namespace detail

extern const TTypeInfo BooleanType;

template <class C, class T, class U>
TPropInfo Integer(const char* name, T (C::*get)() const, void (C::*set)(U), const TTypeInfo* identifiers = nullptr)
{
    TPropInfo info = detail::Make(name, TPropKind::Integer, identifiers);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class U>
TPropInfo Boolean(const char* name, bool (C::*get)() const, void (C::*set)(U))
{
    TPropInfo info = detail::Make(name, TPropKind::Enumeration, &BooleanType);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class T, class U>
TPropInfo Enumeration(const char* name, T (C::*get)() const, void (C::*set)(U), const TTypeInfo& type)
{
    TPropInfo info = detail::Make(name, TPropKind::Enumeration, &type);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class T, class U>
TPropInfo Set(const char* name, T (C::*get)() const, void (C::*set)(U), const TTypeInfo& type)
{
    TPropInfo info = detail::Make(name, TPropKind::Set, &type);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class T, class U>
TPropInfo Char(const char* name, T (C::*get)() const, void (C::*set)(U))
{
    TPropInfo info = detail::Make(name, TPropKind::Char, nullptr);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class T, class U>
TPropInfo Int64(const char* name, T (C::*get)() const, void (C::*set)(U))
{
    TPropInfo info = detail::Make(name, TPropKind::Int64, nullptr);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class T, class U>
TPropInfo Float(const char* name, T (C::*get)() const, void (C::*set)(U), TFloatType type = TFloatType::Extended)
{
    TPropInfo info = detail::Make(name, TPropKind::Float, nullptr);
    info.FloatType = type;
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class U>
TPropInfo String(const char* name, QString (C::*get)() const, void (C::*set)(U))
{
    TPropInfo info = detail::Make(name, TPropKind::String, nullptr);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

template <class C, class U>
TPropInfo WString(const char* name, QString (C::*get)() const, void (C::*set)(U))
{
    TPropInfo info = detail::Make(name, TPropKind::WString, nullptr);
    info.Get = detail::Getter(get);
    info.Set = detail::Setter(set);
    return info;
}

// A persistent sub-object owned by the object: streamed through its own properties with
// the path prefix "Name."; assignment goes through the sub-object's Assign. The owner hands
// it out through a getter and that getter's const overload, which usually share one name:
// prop::Object("Font", &Self::Font, &Self::Font).
template <class C, class T>
TPropInfo Object(const char* name, T* (C::*get)(), const T* (C::*read)() const, TPropKind kind = TPropKind::Class)
{
    TPropInfo info = detail::Make(name, kind, nullptr);
    info.Get = [read](const TPersistent& object) -> TPropValue {
        return static_cast<const TPersistent*>((static_cast<const C&>(object).*read)());
    };
    info.SubObject = [get](TPersistent& object) -> TPersistent* { return (static_cast<C&>(object).*get)(); };
    info.Set = [get](TPersistent& object, const TPropValue& value) {
        TPersistent* target = (static_cast<C&>(object).*get)();
        const TPersistent* source = std::get<const TPersistent*>(value);
        if (target && source)
            target->Assign(*source);
    };
    return info;
}

// A reference to a component owned elsewhere.
template <class C, class T, class U>
TPropInfo Component(const char* name, T* (C::*get)() const, void (C::*set)(U*))
{
    TPropInfo info = detail::Make(name, TPropKind::Component, nullptr);
    info.Get = [get](const TPersistent& object) -> TPropValue {
        return static_cast<TPersistent*>((static_cast<const C&>(object).*get)());
    };
    info.Set = [set](TPersistent& object, const TPropValue& value) {
        (static_cast<C&>(object).*set)(dynamic_cast<U*>(std::get<TPersistent*>(value)));
    };
    return info;
}

// An event: only its handler's published name is streamed; handlers assigned in code
// have none.
template <class C>
TPropInfo Method(const char* name, QString (C::*handlerName)() const)
{
    TPropInfo info = detail::Make(name, TPropKind::Method, nullptr);
    info.Get = detail::Getter(handlerName);
    info.Set = [](TPersistent&, const TPropValue&) {};
    return info;
}

} // namespace prop
