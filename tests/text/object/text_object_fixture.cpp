#include "text_object_fixture.h"

#include "core/canvas/memory_canvas.h"
#include "core/model/draw_site_model.h"
#include "core/persistent/string_list.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/raster/blended_paint.h"
#include "text/distortion/coons_distortion.h"
#include "text/point_based_font.h"

#include <QtEndian>

void FillEveryProperty(TLOText& text)
{
    text.SetBoundsRect({100, 120, 900, 420});
    text.SetBlendRatio(60);
    text.SetBlendShade(true);
    text.Text()->SetLines({QStringLiteral("Title"), QStringLiteral("タイトル")});
    text.TextFont()->SetName(QStringLiteral("IPAGothic"));
    text.TextFont()->SetSize(30);
    text.TextFont()->SetColor(0x0000FF);
    text.TextFont()->SetStyle(FontStyleBit(fsBold));
    text.SetAlign(2);
    text.SetVertical(true);
    text.SetCharSpacing(3);
    text.SetLineSpacing(4);
    text.SetAngle(-30);
    SetTrapezoid(*text.CoonsDistortion());
    text.SetDistortionRatio(70);
    text.TextColor()->SetColor(0x00FF00);
    text.SetOutline(true);
    text.OutlineColor()->SetColor(0xFF0000);
    text.SetOutLineWidth(6);
    text.SetShadowOffsetX(5);
    text.SetShadowOffsetY(5);
    text.ShadowColor()->SetColor(0x808080);
    text.SetAutoSize(true);
    text.SetAutoSize(false);
    text.SetBulge(30);
    text.SetFieldNo(3);
    text.SetFieldType(ftCreatorEnglish);
    text.SetHanToZen(true);
    text.SetNumToKnj(true);
    text.SetMinusExc(true);
    text.SetFeedAngle(45);
    text.SetWizInputEnable(true);
    text.SetWizInputCaption(QStringLiteral("タイトル"));
    text.SetShadeShadowEnable(true);
    text.SetShadeShadowSize(12);
    text.SetShadeShadowBold(true);
}

void SetTrapezoid(TCoonsDistortion& distortion)
{
    const QPointF corners[4] = {{0.25, 0}, {0.75, 0}, {1, 1}, {0, 1}};
    for (int side = 0; side < 4; ++side)
        distortion.SetCount(side, 2);
    distortion.SetPoint(kSideTop, 0, corners[0]);
    distortion.SetPoint(kSideTop, 1, corners[1]);
    distortion.SetPoint(kSideBottom, 0, corners[3]);
    distortion.SetPoint(kSideBottom, 1, corners[2]);
}

QByteArray ClassNameOf(const QByteArray& componentBytes)
{
    return componentBytes.mid(5, quint8(componentBytes.at(4)));
}

void WithProperty(TLOText& text, const QByteArray& name, int value)
{
    QByteArray bytes = ComponentBytes(TLOText());
    bytes.chop(2); // the ends of the property list and of the children
    bytes += char(name.size()) + name + char(4);
    const qint32 little = qToLittleEndian(qint32(value));
    bytes += QByteArray(reinterpret_cast<const char*>(&little), 4);
    bytes += QByteArray(2, '\0');
    ReadComponentBytes(bytes, text);
}

QByteArray WithoutVersion(const QByteArray& componentBytes)
{
    QByteArray bytes = componentBytes;
    const QByteArray version = QByteArray("\x07Version\x02\x01", 10);
    const qsizetype at = bytes.indexOf(version);
    if (at >= 0)
        bytes.remove(at, version.size());
    return bytes;
}

QImage PaintObject(TLOText& text, QSize size)
{
    InstallBlendedPaint();
    QImage image = CreateBitmap(size, QImage::Format_BGR888, 254);
    TMemoryCanvas canvas(image, 254);
    canvas.SetMapMode(TMapMode::Anisotropic);
    text.PaintTo(canvas);
    return image;
}

QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}
