#include "stream_listing.h"

#include <QtEndian>
#include <stdexcept>

namespace {

class TScanner {
public:
    explicit TScanner(const QByteArray& bytes) : bytes_(bytes) {}

    QByteArray Take(qsizetype count)
    {
        if (count < 0 || at_ + count > bytes_.size())
            throw std::runtime_error("stream ends early");
        const QByteArray piece = bytes_.mid(at_, count);
        at_ += count;
        return piece;
    }
    quint8 Byte() { return quint8(Take(1)[0]); }
    qint64 Little(int size)
    {
        const QByteArray piece = Take(size);
        qint64 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(piece[i]);
        if (size < 8 && (value >> (8 * size - 1)) & 1)
            value -= qint64(1) << (8 * size);
        return value;
    }
    QByteArray Short() { return Take(Byte()); }

    QString Value()
    {
        const quint8 type = Byte();
        switch (type) {
        case 1: { // list
            QStringList items;
            while (bytes_.at(at_) != 0)
                items << Value();
            Take(1);
            return QLatin1Char('(') + items.join(QLatin1Char(' ')) + QLatin1Char(')');
        }
        case 2: return QString::number(Little(1));
        case 3: return QString::number(Little(2));
        case 4: return QString::number(Little(4));
        case 19: return QString::number(Little(8));
        case 5: return QString::fromLatin1(Take(10).toHex());
        case 15: return QString::fromLatin1(Take(4).toHex());
        case 16:
        case 17: return QString::fromLatin1(Take(8).toHex());
        case 6: return QString::fromLatin1(Short().toHex());
        case 12: return QString::fromLatin1(Take(Little(4)).toHex());
        case 18: return QString::fromLatin1(Take(2 * Little(4)).toHex());
        case 7: return QString::fromLatin1(Short());
        case 8: return QStringLiteral("False");
        case 9: return QStringLiteral("True");
        case 10: return QString::fromLatin1(Take(Little(4)).toHex());
        case 11: {
            QStringList members;
            for (QByteArray member = Short(); !member.isEmpty(); member = Short())
                members << QString::fromLatin1(member);
            return QLatin1Char('[') + members.join(QLatin1Char(',')) + QLatin1Char(']');
        }
        case 13: return QStringLiteral("nil");
        default: throw std::runtime_error("unknown value type");
        }
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

} // namespace

TPropertyListing ListProperties(const QByteArray& componentBytes)
{
    TScanner scanner(componentBytes);
    if (scanner.Take(4) != "TPF0")
        throw std::runtime_error("no signature");
    scanner.Short(); // class name
    scanner.Short(); // component name
    TPropertyListing listing;
    for (QByteArray name = scanner.Short(); !name.isEmpty(); name = scanner.Short())
        listing.emplace_back(name, scanner.Value());
    return listing;
}

std::vector<QByteArray> PropertyNames(const QByteArray& componentBytes)
{
    std::vector<QByteArray> names;
    for (const auto& [name, value] : ListProperties(componentBytes))
        names.push_back(name);
    return names;
}

QString PropertyValue(const QByteArray& componentBytes, const QByteArray& name)
{
    for (const auto& [each, value] : ListProperties(componentBytes))
        if (each == name)
            return value;
    return {};
}
