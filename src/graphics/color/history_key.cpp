#include "graphics/color/history_key.h"

#include "core/canvas/memory_canvas.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_wrapper.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/picture_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/png_codec.h"

#include <QtEndian>
#include <bit>
#include <cstdint>

QByteArray HistoryPreviewData(const TColorSpec& spec)
{
    QImage image(kHistoryPreviewSize, kHistoryPreviewSize, QImage::Format_BGR888);
    image.fill(Qt::white);
    {
        TMemoryCanvas canvas(image);
        spec.DrawSample(canvas, TRect(0, 0, kHistoryPreviewSize, kHistoryPreviewSize));
    }
    TPngImage preview;
    preview.LoadFromBytes(EncodePNG(image));
    return WritePictureData(&preview);
}

QByteArray HistoryKeyData(const TColorSpec& spec, const QByteArray& previewData)
{
    TColorSpecWrapper wrapper;
    wrapper.ColorSpec()->Assign(spec);
    wrapper.ColorSpec()->ImageData()->Picture()->SetGraphic(nullptr);
    return ComponentResBytes(QStringLiteral("TColorSpecWrapper"), wrapper) + previewData + QByteArray(4, '\0');
}

QString FoldHistoryKey(const QByteArray& data)
{
    std::uint64_t key = 0;
    for (qsizetype at = 0; at + 4 <= data.size(); at += 4) {
        const std::int64_t word = qFromLittleEndian<qint32>(data.constData() + at);
        key = std::rotl(key, 1) ^ std::uint64_t(word);
    }
    return QString::number(qint64(key));
}

bool IsHistoryKey(const QString& text)
{
    const qsizetype digits = text.startsWith(u'-') ? text.size() - 1 : text.size();
    if (digits < 1 || digits > 20)
        return false;
    for (qsizetype i = text.size() - digits; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}
