#include "core/stream/writer.h"

#include "core/persistent/collection.h"
#include "core/persistent/component.h"
#include "core/error.h"
#include "core/stream/extended.h"
#include "platform/shift_jis.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Identifier and short-string bytes: ASCII names pass through; anything else is written
// in Shift-JIS like the rest of the stream's text.
QByteArray NameBytes(const QString& name)
{
    return EncodeShiftJIS(name).value_or(name.toUtf8());
}

// Buffered values go to the device once this much has collected.
constexpr qsizetype kWriteBlock = 64 * 1024;

[[noreturn]] void FailWrite()
{
    throw EAppError(QStringLiteral("ストリームへの書き込みエラー"));
}

} // namespace

TWriter::TWriter(QIODevice& device) : device_(device), flushedTo_(device.pos())
{
}

TWriter::~TWriter()
{
    if (!pending_.isEmpty())
        device_.write(pending_);
}

void TWriter::Put(const char* data, qsizetype size)
{
    pending_.append(data, size);
    if (pending_.size() >= kWriteBlock)
        Flush();
}

void TWriter::Flush()
{
    if (pending_.isEmpty())
        return;
    if (device_.write(pending_) != pending_.size())
        FailWrite();
    flushedTo_ += pending_.size();
    pending_.clear();
}

void TWriter::PatchLittleEndian(qint64 position, std::uint64_t value, int size)
{
    char bytes[8];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    if (position >= flushedTo_ && position + size <= Position()) {
        std::memcpy(pending_.data() + (position - flushedTo_), bytes, static_cast<std::size_t>(size));
        return;
    }
    Flush();
    const qint64 end = Position();
    if (!device_.seek(position) || device_.write(bytes, size) != size || !device_.seek(end))
        FailWrite();
}

void TWriter::WriteByte(std::uint8_t byte)
{
    const char c = static_cast<char>(byte);
    Put(&c, 1);
}

void TWriter::WriteBytes(const QByteArray& bytes)
{
    Put(bytes.constData(), bytes.size());
}

void TWriter::WriteLittleEndian(std::uint64_t value, int size)
{
    char bytes[8];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    Put(bytes, size);
}

void TWriter::WriteShortString(const QByteArray& bytes)
{
    const qsizetype size = std::min<qsizetype>(bytes.size(), 255);
    WriteByte(static_cast<std::uint8_t>(size));
    Put(bytes.constData(), size);
}

void TWriter::WriteInteger(std::int64_t value)
{
    if (value >= -128 && value <= 127) {
        WriteValue(TValueType::Int8);
        WriteLittleEndian(static_cast<std::uint64_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        WriteValue(TValueType::Int16);
        WriteLittleEndian(static_cast<std::uint64_t>(value), 2);
    } else if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) {
        WriteValue(TValueType::Int32);
        WriteLittleEndian(static_cast<std::uint64_t>(value), 4);
    } else {
        WriteValue(TValueType::Int64);
        WriteLittleEndian(static_cast<std::uint64_t>(value), 8);
    }
}

void TWriter::WriteBoolean(bool value)
{
    WriteValue(value ? TValueType::True : TValueType::False);
}

void TWriter::WriteIdent(const QByteArray& identifier)
{
    if (identifier.compare("False", Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::False);
    else if (identifier.compare("True", Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::True);
    else if (identifier.compare("nil", Qt::CaseInsensitive) == 0)
        WriteValue(TValueType::Nil);
    else {
        WriteValue(TValueType::Ident);
        WriteShortString(identifier);
    }
}

void TWriter::WriteString(const QString& text)
{
    const std::optional<QByteArray> bytes = EncodeShiftJIS(text);
    if (!bytes) {
        WriteWideString(text);
        return;
    }
    if (bytes->size() < 256) {
        WriteValue(TValueType::String);
        WriteShortString(*bytes);
    } else {
        WriteValue(TValueType::LString);
        WriteLittleEndian(static_cast<std::uint64_t>(bytes->size()), 4);
        WriteBytes(*bytes);
    }
}

void TWriter::WriteWideString(const QString& text)
{
    WriteValue(TValueType::WString);
    WriteLittleEndian(static_cast<std::uint64_t>(text.size()), 4);
    QByteArray bytes(text.size() * 2, '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        bytes[2 * i] = static_cast<char>(unit & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(unit >> 8);
    }
    WriteBytes(bytes);
}

void TWriter::WriteFloat(double value, TFloatType type)
{
    switch (type) {
    case TFloatType::Single: {
        WriteValue(TValueType::Single);
        const float single = static_cast<float>(value);
        std::uint32_t bits;
        std::memcpy(&bits, &single, 4);
        WriteLittleEndian(bits, 4);
        return;
    }
    case TFloatType::Currency:
        WriteValue(TValueType::Currency);
        WriteLittleEndian(static_cast<std::uint64_t>(std::llround(value * 10000.0)), 8);
        return;
    case TFloatType::DateTime: {
        WriteValue(TValueType::Date);
        std::uint64_t bits;
        std::memcpy(&bits, &value, 8);
        WriteLittleEndian(bits, 8);
        return;
    }
    case TFloatType::Double:
    case TFloatType::Extended: {
        WriteValue(TValueType::Extended);
        const auto bytes = ToExtended(value);
        Put(reinterpret_cast<const char*>(bytes.data()), 10);
        return;
    }
    }
}

void TWriter::WriteBinary(const QByteArray& data)
{
    WriteValue(TValueType::Binary);
    WriteLittleEndian(static_cast<std::uint64_t>(data.size()), 4);
    WriteBytes(data);
}

void TWriter::WritePropertyName(const char* name)
{
    WriteShortString(pathPrefix_ + name);
}

void TWriter::WriteComponent(const TComponent& component)
{
    WriteShortString(QByteArray(component.ClassInfo().Name()));
    WriteShortString(NameBytes(component.Name()));
    WriteProperties(component);
    WriteListEnd();
    component.GetChildren([this](TComponent& child) { WriteComponent(child); });
    WriteListEnd();
}

void TWriter::WriteProperties(const TPersistent& object)
{
    for (const TPropInfo* property : object.ClassInfo().Properties())
        if (property->IsStored(object))
            WriteProperty(object, *property);
    const_cast<TPersistent&>(object).DefineProperties(*this);
}

void TWriter::WriteProperty(const TPersistent& object, const TPropInfo& property)
{
    const TPropValue value = property.Get(object);
    switch (property.Kind) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Char: {
        const std::int64_t ordinal = std::get<std::int64_t>(value);
        if (property.DefaultValue && *property.DefaultValue == ordinal)
            return;
        WritePropertyName(property.Name);
        if (property.Kind == TPropKind::Char) {
            WriteString(QString(QChar(static_cast<char16_t>(ordinal))));
        } else if (property.Kind == TPropKind::Set) {
            WriteValue(TValueType::Set);
            const TTypeInfo* elements = property.Type ? property.Type->SetElement : nullptr;
            for (int bit = 0; bit < 64; ++bit) {
                if (!(static_cast<std::uint64_t>(ordinal) >> bit & 1))
                    continue;
                const char* name = elements ? elements->IdentifierOf(bit) : nullptr;
                WriteShortString(name ? QByteArray(name) : QByteArray::number(bit));
            }
            WriteShortString({});
        } else if (property.Type && property.Type->IsBoolean) {
            WriteBoolean(ordinal != 0);
        } else if (const char* identifier = property.Type ? property.Type->IdentifierOf(ordinal) : nullptr) {
            WriteIdent(QByteArray(identifier));
        } else {
            WriteInteger(ordinal);
        }
        return;
    }
    case TPropKind::Int64: {
        const std::int64_t number = std::get<std::int64_t>(value);
        if (number == 0)
            return;
        WritePropertyName(property.Name);
        WriteInteger(number);
        return;
    }
    case TPropKind::Float: {
        const double number = std::get<double>(value);
        if (number == 0)
            return;
        WritePropertyName(property.Name);
        WriteFloat(number, property.FloatType);
        return;
    }
    case TPropKind::String:
    case TPropKind::WString: {
        const QString& text = std::get<QString>(value);
        if (text.isEmpty())
            return;
        WritePropertyName(property.Name);
        if (property.Kind == TPropKind::String)
            WriteString(text);
        else
            WriteWideString(text);
        return;
    }
    case TPropKind::Class: {
        const TPersistent* sub = std::get<const TPersistent*>(value);
        if (!sub)
            return;
        const QByteArray saved = pathPrefix_;
        pathPrefix_ += QByteArray(property.Name) + '.';
        WriteProperties(*sub);
        pathPrefix_ = saved;
        return;
    }
    case TPropKind::Collection:
        WritePropertyName(property.Name);
        WriteCollection(std::get<const TPersistent*>(value));
        return;
    case TPropKind::Component: {
        const auto* component = dynamic_cast<const TComponent*>(std::get<TPersistent*>(value));
        if (!component || component->Name().isEmpty())
            return;
        WritePropertyName(property.Name);
        WriteIdent(NameBytes(component->Name()));
        return;
    }
    case TPropKind::Method: {
        const QString& handler = std::get<QString>(value);
        if (handler.isEmpty())
            return;
        WritePropertyName(property.Name);
        WriteIdent(NameBytes(handler));
        return;
    }
    }
}

void TWriter::WriteCollection(const TPersistent* object)
{
    WriteValue(TValueType::Collection);
    if (const auto* collection = dynamic_cast<const TCollection*>(object)) {
        const QByteArray saved = std::exchange(pathPrefix_, QByteArray());
        for (int i = 0; i < collection->Count(); ++i) {
            WriteListBegin();
            WriteProperties(*collection->Item(i));
            WriteListEnd();
        }
        pathPrefix_ = saved;
    }
    WriteListEnd();
}

void TWriter::DefineProperty(const char* name, ReadProc, WriteProc write, bool hasData)
{
    if (!hasData || !write)
        return;
    WritePropertyName(name);
    write(*this);
}

void TWriter::DefineBinaryProperty(const char* name, ReadBinaryProc, WriteBinaryProc write, bool hasData)
{
    if (!hasData || !write)
        return;
    WritePropertyName(name);
    WriteBinary(write());
}
