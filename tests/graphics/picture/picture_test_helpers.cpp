#include "picture_test_helpers.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace picturetest {

namespace {

// Reads "width height\n" followed by the raw pixels into an image of the format.
QImage ParseRaw(const QByteArray& output, QImage::Format format, int bytesPerPixel)
{
    const qsizetype newline = output.indexOf('\n');
    if (newline < 0) {
        ADD_FAILURE() << "no pixel header in tool output";
        return {};
    }
    const QList<QByteArray> size = output.left(newline).split(' ');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    const QByteArray pixels = output.mid(newline + 1);
    if (pixels.size() != qsizetype(width) * height * bytesPerPixel) {
        ADD_FAILURE() << "pixel data of unexpected size " << pixels.size();
        return {};
    }
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        memcpy(image.scanLine(y), pixels.constData() + qsizetype(y) * width * bytesPerPixel,
               size_t(width) * bytesPerPixel);
    return image;
}

} // namespace

QByteArray RunPython(const QString& script, const QStringList& arguments)
{
    QByteArray output;
    QByteArray error;
    const int code = testsupport::RunProgram(QStringLiteral("/usr/bin/python3"),
                                             QStringList{QStringLiteral("-c"), script} + arguments, &output, 60000,
                                             &error);
    if (code != 0)
        ADD_FAILURE() << "python failed: " << error.toStdString();
    return output;
}

void RunConvert(const QStringList& arguments)
{
    QByteArray error;
    if (testsupport::RunProgram(QStringLiteral("convert"), arguments, nullptr, 60000, &error) != 0)
        ADD_FAILURE() << "convert failed: " << error.toStdString();
}

QImage PillowPixels(const QString& path, const QString& mode)
{
    const QByteArray output = RunPython(QStringLiteral("import sys\n"
                                                       "from PIL import Image\n"
                                                       "im = Image.open(sys.argv[1]).convert(sys.argv[2])\n"
                                                       "sys.stdout.buffer.write(b'%d %d\\n' % im.size + im.tobytes())\n"),
                                        {path, mode});
    const bool alpha = mode == QLatin1String("RGBA");
    return ParseRaw(output, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888, alpha ? 4 : 3);
}

QImage ConvertPixels(const QString& path)
{
    QByteArray size;
    testsupport::RunProgram(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%w %h"), path},
                            &size);
    QByteArray pixels;
    if (testsupport::RunProgram(QStringLiteral("convert"), {path, QStringLiteral("-depth"), QStringLiteral("8"),
                                                            QStringLiteral("rgb:-")},
                                &pixels) != 0)
        ADD_FAILURE() << "convert could not decode " << path.toStdString();
    return ParseRaw(size.trimmed() + '\n' + pixels, QImage::Format_RGB888, 3);
}

QImage AsRgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage AsRgba(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGBA8888);
}

QImage ExpandLikePillow(const QImage& image)
{
    const bool is565 = image.format() == QImage::Format_RGB16;
    if (!is565 && image.format() != QImage::Format_RGB555)
        return AsRgb(image);
    QImage rgb(image.size(), QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        const auto* source = reinterpret_cast<const quint16*>(image.constScanLine(y));
        uchar* target = rgb.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const quint16 p = source[x];
            const int r = is565 ? p >> 11 : (p >> 10) & 31;
            const int g = is565 ? (p >> 5) & 63 : (p >> 5) & 31;
            const int b = p & 31;
            target[3 * x] = uchar(r * 255 / 31);
            target[3 * x + 1] = uchar(g * 255 / (is565 ? 63 : 31));
            target[3 * x + 2] = uchar(b * 255 / 31);
        }
    }
    return rgb;
}

::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << " instead of "
                                             << expected.width() << "x" << expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_RGBA8888);
    const QImage b = expected.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << QString::number(a.pixel(x, y), 16).toStdString()
                       << " instead of " << QString::number(b.pixel(x, y), 16).toStdString();
    return ::testing::AssertionSuccess();
}

QImage TestPattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / std::max(width - 1, 1), y * 255 / std::max(height - 1, 1),
                                      ((x / 8 + y / 8) & 1) ? 200 : 40));
    return image;
}

} // namespace picturetest
