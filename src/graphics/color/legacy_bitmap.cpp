#include "graphics/color/legacy_bitmap.h"

#include "core/stream/reader.h"
#include "graphics/picture/safety_bitmap.h"

#include <QtEndian>

LR_DEFINE_CLASS(TLegacyBitmap, TPersistent, LR_ABSTRACT)

void TLegacyBitmap::DefineProperties(TFiler& filer)
{
    inherited::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data",
        [this](const QByteArray& data) {
            if (data.size() < 4)
                TReader::FailReadError();
            const quint32 length = qFromLittleEndian<quint32>(data.constData());
            if (length > quint32(data.size() - 4))
                TReader::FailReadError();
            auto bitmap = std::make_unique<TSafetyBitmap>();
            if (length > 0)
                bitmap->LoadFromBytes(data.mid(4, qsizetype(length)));
            loaded_(std::move(bitmap));
        },
        {}, false);
}
