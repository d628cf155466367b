#include "core/stream/reader.h"

#include "core/persistent/collection.h"
#include "core/persistent/component.h"
#include "core/error.h"
#include "core/stream/class_registry.h"
#include "core/stream/extended.h"
#include "platform/shift_jis.h"

#include <algorithm>
#include <cstring>

namespace {

// Deepest nesting of components and collections a stream may have.
constexpr int kMaxDepth = 64;
// The device is read ahead by this much (a whole stream when it is smaller).
constexpr qint64 kReadBlock = 64 * 1024;

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth)
    {
        if (++depth_ > kMaxDepth) {
            --depth_;
            TReader::FailFormat();
        }
    }
    ~DepthGuard() { --depth_; }

private:
    int& depth_;
};

bool IsIntegerTag(TValueType type)
{
    return type == TValueType::Int8 || type == TValueType::Int16 || type == TValueType::Int32 || type == TValueType::Int64;
}

bool IsStringTag(TValueType type)
{
    return type == TValueType::String || type == TValueType::LString || type == TValueType::WString;
}

} // namespace

TReader::TReader(QIODevice& device) : device_(device), sequential_(device.isSequential())
{
    bufferStart_ = sequential_ ? 0 : device_.pos();
    size_ = sequential_ ? 0 : device_.size();
}

TReader::~TReader()
{
    // Gives back what was read ahead, so that the next reader of the device starts here.
    if (!sequential_ && Buffered() > 0)
        device_.seek(Position());
}

void TReader::FailFormat()
{
    throw EAppError(QStringLiteral("不正なストリーム フォーマット"));
}

void TReader::FailReadError()
{
    throw EAppError(QStringLiteral("ストリームからの読み込みエラー"));
}

void TReader::FailInvalidValue()
{
    throw EAppError(QStringLiteral("不正なプロパティの値です"));
}

void TReader::FailNoProperty()
{
    throw EAppError(QStringLiteral("プロパティが存在しません"));
}

void TReader::FailClassNotFound(const QByteArray& className)
{
    throw EAppError(QStringLiteral("クラス %1 が見つかりません").arg(DecodeShiftJIS(className)));
}

// --- raw input --------------------------------------------------------------------------

void TReader::Fill(qint64 count)
{
    if (Buffered() >= count)
        return;
    if (!sequential_ && count > size_ - Position())
        FailReadError();
    // The consumed part goes; what remains moves to the front.
    buffer_.remove(0, bufferAt_);
    bufferStart_ += bufferAt_;
    bufferAt_ = 0;
    // A random-access device is read ahead by a block (never beyond its size); a sequential
    // one only by what is needed, since what follows belongs to the device's next reader.
    qint64 wanted = count - buffer_.size();
    if (!sequential_)
        wanted = std::min(std::max(wanted, kReadBlock), size_ - (bufferStart_ + buffer_.size()));
    const qsizetype at = buffer_.size();
    buffer_.resize(at + wanted);
    const qint64 got = device_.read(buffer_.data() + at, wanted);
    buffer_.resize(at + std::max<qint64>(got, 0));
    if (buffer_.size() < count)
        FailReadError();
}

void TReader::SeekTo(qint64 position)
{
    if (position >= bufferStart_ && position <= bufferStart_ + buffer_.size()) {
        bufferAt_ = static_cast<qsizetype>(position - bufferStart_);
        return;
    }
    if (sequential_ || !device_.seek(position))
        FailReadError();
    buffer_.clear();
    bufferAt_ = 0;
    bufferStart_ = position;
}

QByteArray TReader::ReadBytes(qint64 count)
{
    if (count < 0)
        FailReadError();
    if (!sequential_ && count > size_ - Position())
        FailReadError();
    if (count <= kReadBlock) {
        Fill(count);
        QByteArray bytes(buffer_.constData() + bufferAt_, static_cast<qsizetype>(count));
        bufferAt_ += static_cast<qsizetype>(count);
        return bytes;
    }
    // A long value: what is buffered, then the rest straight from the device in blocks, so
    // that memory grows only with the bytes the device really delivers.
    QByteArray bytes(buffer_.constData() + bufferAt_, Buffered());
    bufferStart_ += buffer_.size();
    buffer_.clear();
    bufferAt_ = 0;
    while (bytes.size() < count) {
        const qint64 chunk = std::min(kReadBlock, count - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + chunk);
        const qint64 got = device_.read(bytes.data() + at, chunk);
        if (got != chunk)
            FailReadError();
        bufferStart_ += got;
    }
    return bytes;
}

std::uint8_t TReader::ReadByte()
{
    if (Buffered() < 1)
        Fill(1);
    return static_cast<std::uint8_t>(buffer_[bufferAt_++]);
}

std::uint64_t TReader::ReadLittleEndian(int size)
{
    Fill(size);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer_.constData() + bufferAt_);
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    bufferAt_ += size;
    return value;
}

QByteArray TReader::ReadShortString()
{
    return ReadBytes(ReadByte());
}

// --- values -------------------------------------------------------------------------------

TValueType TReader::NextValue()
{
    if (Buffered() < 1)
        Fill(1);
    return static_cast<TValueType>(static_cast<std::uint8_t>(buffer_[bufferAt_]));
}

TValueType TReader::ReadValue()
{
    const std::uint8_t tag = ReadByte();
    if (tag > static_cast<std::uint8_t>(TValueType::Int64))
        FailFormat();
    return static_cast<TValueType>(tag);
}

std::int64_t TReader::ReadInteger()
{
    switch (ReadValue()) {
    case TValueType::Int8:
        return static_cast<std::int8_t>(ReadLittleEndian(1));
    case TValueType::Int16:
        return static_cast<std::int16_t>(ReadLittleEndian(2));
    case TValueType::Int32:
        return static_cast<std::int32_t>(ReadLittleEndian(4));
    case TValueType::Int64:
        return static_cast<std::int64_t>(ReadLittleEndian(8));
    default:
        FailInvalidValue();
    }
}

bool TReader::ReadBoolean()
{
    switch (ReadValue()) {
    case TValueType::False:
        return false;
    case TValueType::True:
        return true;
    default:
        FailInvalidValue();
    }
}

QByteArray TReader::ReadIdent()
{
    switch (ReadValue()) {
    case TValueType::Ident:
        return ReadShortString();
    case TValueType::False:
        return "False";
    case TValueType::True:
        return "True";
    case TValueType::Nil:
        return "nil";
    default:
        FailInvalidValue();
    }
}

QString TReader::ReadString()
{
    switch (ReadValue()) {
    case TValueType::String:
        return DecodeShiftJIS(ReadShortString());
    case TValueType::LString:
        return DecodeShiftJIS(ReadBytes(static_cast<std::uint32_t>(ReadLittleEndian(4))));
    case TValueType::WString: {
        const qint64 count = static_cast<std::uint32_t>(ReadLittleEndian(4));
        const QByteArray bytes = ReadBytes(count * 2);
        QString text(count, Qt::Uninitialized);
        for (qint64 i = 0; i < count; ++i)
            text[i] = QChar(static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                                  static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
        return text;
    }
    default:
        FailInvalidValue();
    }
}

double TReader::ReadFloat()
{
    const TValueType type = NextValue();
    if (IsIntegerTag(type))
        return static_cast<double>(ReadInteger());
    switch (ReadValue()) {
    case TValueType::Extended: {
        const QByteArray bytes = ReadBytes(10);
        return FromExtended(reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    }
    case TValueType::Single: {
        const auto bits = static_cast<std::uint32_t>(ReadLittleEndian(4));
        float value;
        std::memcpy(&value, &bits, 4);
        return value;
    }
    case TValueType::Currency:
        return static_cast<double>(static_cast<std::int64_t>(ReadLittleEndian(8))) / 10000.0;
    case TValueType::Date: {
        const std::uint64_t bits = ReadLittleEndian(8);
        double value;
        std::memcpy(&value, &bits, 8);
        return value;
    }
    default:
        FailInvalidValue();
    }
}

QByteArray TReader::ReadBinary()
{
    if (ReadValue() != TValueType::Binary)
        FailInvalidValue();
    return ReadBytes(static_cast<std::uint32_t>(ReadLittleEndian(4)));
}

void TReader::ReadListBegin()
{
    if (ReadValue() != TValueType::List)
        FailInvalidValue();
}

void TReader::ReadListEnd()
{
    if (ReadValue() != TValueType::Null)
        FailInvalidValue();
}

bool TReader::EndOfList()
{
    return NextValue() == TValueType::Null;
}

void TReader::SkipValue()
{
    DepthGuard guard(depth_);
    switch (ReadValue()) {
    case TValueType::Null:
    case TValueType::False:
    case TValueType::True:
    case TValueType::Nil:
        return;
    case TValueType::List:
        while (!EndOfList())
            SkipValue();
        ReadValue();
        return;
    case TValueType::Int8:
        ReadBytes(1);
        return;
    case TValueType::Int16:
        ReadBytes(2);
        return;
    case TValueType::Int32:
    case TValueType::Single:
        ReadBytes(4);
        return;
    case TValueType::Int64:
    case TValueType::Currency:
    case TValueType::Date:
        ReadBytes(8);
        return;
    case TValueType::Extended:
        ReadBytes(10);
        return;
    case TValueType::String:
    case TValueType::Ident:
        ReadShortString();
        return;
    case TValueType::Binary:
    case TValueType::LString:
        ReadBytes(static_cast<std::uint32_t>(ReadLittleEndian(4)));
        return;
    case TValueType::WString:
        ReadBytes(2 * static_cast<qint64>(static_cast<std::uint32_t>(ReadLittleEndian(4))));
        return;
    case TValueType::Set:
        while (!ReadShortString().isEmpty()) {
        }
        return;
    case TValueType::Collection:
        while (!EndOfList()) {
            if (IsIntegerTag(NextValue()))
                ReadInteger();
            ReadListBegin();
            while (!EndOfList()) {
                ReadShortString();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadValue();
        return;
    }
}

// --- extra properties -----------------------------------------------------------------------

void TReader::DefineProperty(const char* name, ReadProc read, WriteProc, bool)
{
    if (currentHandled_ || currentName_.compare(name, Qt::CaseInsensitive) != 0)
        return;
    currentHandled_ = true;
    if (read)
        read(*this);
    else
        SkipValue();
}

void TReader::DefineBinaryProperty(const char* name, ReadBinaryProc read, WriteBinaryProc, bool)
{
    if (currentHandled_ || currentName_.compare(name, Qt::CaseInsensitive) != 0)
        return;
    currentHandled_ = true;
    const QByteArray data = ReadBinary();
    if (read)
        read(data);
}

// --- components and properties --------------------------------------------------------------

QByteArray TReader::PeekRootClassName()
{
    const qint64 start = Position();
    QByteArray name;
    try {
        if (ReadBytes(4) != QByteArray(kComponentSignature, 4))
            FailFormat();
        if ((static_cast<std::uint8_t>(NextValue()) & 0xF0) == 0xF0) {
            const std::uint8_t flags = ReadByte() & 0x0F;
            if (flags & 0x02)
                ReadInteger();
        }
        name = ReadShortString();
    } catch (...) {
        SeekTo(start);
        throw;
    }
    SeekTo(start);
    return name;
}

std::unique_ptr<TComponent> TReader::ReadRootComponent(TComponent* instance)
{
    if (ReadBytes(4) != QByteArray(kComponentSignature, 4))
        FailFormat();
    fixups_.clear();
    loaded_.clear();
    std::unique_ptr<TComponent> created;
    try {
        created = ReadComponentRecord(instance);
    } catch (...) {
        // The given instance stays in use: it is not left half-way in its loading state.
        if (instance)
            instance->SetLoading(false);
        loaded_.clear();
        fixups_.clear();
        throw;
    }
    TComponent& root = instance ? *instance : *created;
    ResolveFixups(root);
    for (TComponent* component : loaded_)
        component->Loaded();
    loaded_.clear();
    return created;
}

std::unique_ptr<TComponent> TReader::ReadComponentRecord(TComponent* instance)
{
    DepthGuard guard(depth_);
    if ((static_cast<std::uint8_t>(NextValue()) & 0xF0) == 0xF0) {
        const std::uint8_t flags = ReadByte() & 0x0F;
        if (flags & 0x02) // the child's position among its siblings
            ReadInteger();
    }
    const QByteArray className = ReadShortString();
    const QByteArray name = ReadShortString();

    std::unique_ptr<TComponent> created;
    TComponent* component = instance;
    if (!component) {
        created = creator_ ? creator_(className) : CreateRegisteredComponent(className);
        if (!created)
            FailClassNotFound(className);
        component = created.get();
    }
    component->SetName(DecodeShiftJIS(name));
    component->SetLoading(true);
    loaded_.push_back(component);

    ReadProperties(*component);
    while (!EndOfList()) {
        std::unique_ptr<TComponent> child = ReadComponentRecord(nullptr);
        component->InsertStreamedChild(std::move(child));
    }
    ReadValue();
    return created;
}

void TReader::ReadProperties(TPersistent& object)
{
    while (!EndOfList())
        ReadProperty(object);
    ReadValue();
}

void TReader::ReadProperty(TPersistent& object)
{
    const QByteArray path = ReadShortString();
    // A path "Sub.Inner" walks into sub-objects; most names have no dot and are used as read.
    TPersistent* target = &object;
    qsizetype begin = 0;
    for (qsizetype dot = path.indexOf('.'); dot >= 0; begin = dot + 1, dot = path.indexOf('.', begin)) {
        const TPropInfo* property = target->ClassInfo().FindProperty(path.sliced(begin, dot - begin));
        if (!property || (property->Kind != TPropKind::Class && property->Kind != TPropKind::Collection))
            FailNoProperty();
        target = property->SubObject(*target);
        if (!target)
            FailNoProperty();
    }
    const QByteArray name = begin == 0 ? path : path.sliced(begin);
    if (const TPropInfo* property = target->ClassInfo().FindProperty(name)) {
        ReadPropertyValue(*target, *property);
        return;
    }
    currentName_ = name;
    currentHandled_ = false;
    target->DefineProperties(*this);
    const bool handled = currentHandled_;
    currentName_.clear();
    currentHandled_ = false;
    if (!handled)
        FailNoProperty();
}

std::int64_t TReader::ReadOrdinal(const TPropInfo& property)
{
    const TValueType type = NextValue();
    if (property.Kind == TPropKind::Char) {
        if (!IsStringTag(type))
            FailInvalidValue();
        const QString text = ReadString();
        if (text.size() != 1)
            FailInvalidValue();
        return text[0].unicode();
    }
    if (property.Kind == TPropKind::Set) {
        if (ReadValue() != TValueType::Set)
            FailInvalidValue();
        std::uint64_t bits = 0;
        const TTypeInfo* elements = property.Type ? property.Type->SetElement : nullptr;
        for (QByteArray member = ReadShortString(); !member.isEmpty(); member = ReadShortString()) {
            const std::optional<std::int64_t> bit = elements ? elements->ValueOf(member) : std::nullopt;
            if (!bit || *bit < 0 || *bit >= 64)
                FailInvalidValue();
            bits |= std::uint64_t(1) << *bit;
        }
        return static_cast<std::int64_t>(bits);
    }
    if (IsIntegerTag(type)) {
        if (property.Kind == TPropKind::Enumeration)
            FailInvalidValue();
        return ReadInteger();
    }
    if (type == TValueType::Ident || type == TValueType::False || type == TValueType::True || type == TValueType::Nil) {
        const QByteArray identifier = ReadIdent();
        const std::optional<std::int64_t> value = property.Type ? property.Type->ValueOf(identifier) : std::nullopt;
        if (!value)
            FailInvalidValue();
        return *value;
    }
    FailInvalidValue();
}

void TReader::ReadPropertyValue(TPersistent& object, const TPropInfo& property)
{
    switch (property.Kind) {
    case TPropKind::Integer:
    case TPropKind::Char:
    case TPropKind::Enumeration:
    case TPropKind::Set: {
        std::int64_t value = ReadOrdinal(property);
        if (property.Kind == TPropKind::Integer && (value < INT32_MIN || value > INT32_MAX))
            FailInvalidValue();
        property.Set(object, value);
        return;
    }
    case TPropKind::Int64:
        if (!IsIntegerTag(NextValue()))
            FailInvalidValue();
        property.Set(object, ReadInteger());
        return;
    case TPropKind::Float:
        property.Set(object, ReadFloat());
        return;
    case TPropKind::String:
    case TPropKind::WString:
        if (!IsStringTag(NextValue()))
            FailInvalidValue();
        property.Set(object, ReadString());
        return;
    case TPropKind::Class:
        if (ReadValue() != TValueType::Nil)
            FailInvalidValue();
        return;
    case TPropKind::Collection: {
        if (ReadValue() != TValueType::Collection)
            FailInvalidValue();
        auto* collection = dynamic_cast<TCollection*>(property.SubObject(object));
        if (!collection)
            FailInvalidValue();
        ReadCollection(*collection);
        return;
    }
    case TPropKind::Component:
        if (NextValue() == TValueType::Nil) {
            ReadValue();
            property.Set(object, static_cast<TPersistent*>(nullptr));
            return;
        }
        if (NextValue() != TValueType::Ident)
            FailInvalidValue();
        fixups_.push_back({&object, &property, ReadIdent()});
        return;
    case TPropKind::Method:
        // Handlers are wired by code, never by name; the stored name is read and dropped.
        if (NextValue() != TValueType::Ident && NextValue() != TValueType::Nil)
            FailInvalidValue();
        ReadIdent();
        return;
    }
}

void TReader::ReadCollection(TCollection& collection)
{
    DepthGuard guard(depth_);
    collection.Clear();
    while (!EndOfList()) {
        if (IsIntegerTag(NextValue()))
            ReadInteger(); // the item's position, written by some writers
        ReadListBegin();
        ReadProperties(*collection.Add());
    }
    ReadValue();
}

void TReader::ResolveFixups(TComponent& root)
{
    if (fixups_.empty())
        return;
    // Names are looked up among the root and everything it holds.
    std::vector<TComponent*> candidates{&root};
    std::function<void(TComponent&)> collect = [&](TComponent& component) {
        candidates.push_back(&component);
        component.GetChildren(collect);
    };
    root.GetChildren(collect);
    for (const Fixup& fixup : fixups_) {
        const QString name = DecodeShiftJIS(fixup.name);
        for (TComponent* candidate : candidates)
            if (candidate->Name().compare(name, Qt::CaseInsensitive) == 0) {
                fixup.property->Set(*fixup.object, static_cast<TPersistent*>(candidate));
                break;
            }
    }
    fixups_.clear();
}
