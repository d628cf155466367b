#pragma once
// Bounds-checked reading of little- and big-endian integers from bytes held in memory: any
// read outside the data fails with the message the view was made with.
#include "core/error.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

class TByteView {
public:
    TByteView(const QByteArray& data, QString failure) : data_(data), failure_(std::move(failure)) {}

    qint64 Size() const { return data_.size(); }
    // Whether count bytes starting at offset lie inside the data (negative values never do).
    bool Has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= Size() && count <= Size() - offset;
    }
    // The address of count bytes at offset; fails unless they lie inside the data.
    const uchar* At(qint64 offset, qint64 count) const
    {
        Require(offset, count);
        return reinterpret_cast<const uchar*>(data_.constData()) + offset;
    }

    quint8 U8(qint64 offset) const { return *At(offset, 1); }
    quint16 U16(qint64 offset) const { return qFromLittleEndian<quint16>(At(offset, 2)); }
    quint32 U32(qint64 offset) const { return qFromLittleEndian<quint32>(At(offset, 4)); }
    qint32 I32(qint64 offset) const { return qFromLittleEndian<qint32>(At(offset, 4)); }
    qint16 I16(qint64 offset) const { return qFromLittleEndian<qint16>(At(offset, 2)); }
    quint16 U16BE(qint64 offset) const { return qFromBigEndian<quint16>(At(offset, 2)); }

    void Require(qint64 offset, qint64 count) const
    {
        if (!Has(offset, count))
            Fail();
    }
    [[noreturn]] void Fail() const { throw EAppError(failure_); }

private:
    const QByteArray& data_;
    QString failure_;
};
