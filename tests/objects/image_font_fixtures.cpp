#include "image_font_fixtures.h"

#include "graphics/picture/png_codec.h"
#include "objects/deco/image_font.h"
#include "support/test_support.h"

#include <QDir>

QByteArray GlyphPng(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kImageFontTransparent));
    for (int y = 2; y < size.height() - 2; ++y)
        for (int x = 2; x < size.width() - 2; ++x)
            image.setPixel(x, y, colour);
    return EncodePNG(image);
}

void MakeFont(const QString& root, const QString& folder, int count, QSize size, QRgb colour)
{
    for (int index = 0; index < count; ++index)
        testsupport::WriteFileBytes(QDir(root).filePath(QStringLiteral("%1/%2.png").arg(folder).arg(index, 2, 10, QLatin1Char('0'))),
                                    GlyphPng(size, colour));
}
