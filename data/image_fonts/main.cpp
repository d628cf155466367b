// Writes the shipped image fonts: "image_fonts FOLDER" makes FOLDER/1 .. FOLDER/N, each
// holding the 64 glyph pictures 00.png .. 63.png of one font, rendered from installed
// outline faces with a fill, an outline or a shadow onto the transparent colour 0xF0F0F0.
// Every picture is read back and must decode to what was written.
#include "../generator_main.h"
#include "core/error.h"
#include "graphics/picture/png_codec.h"
#include "objects/deco/image_font.h"
#include "platform/replace_file.h"
#include "text/layout_font.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <vector>

namespace {

// How one font is drawn.
struct TFontStyle {
    const char* Face;
    bool Bold;
    QColor FillTop;
    QColor FillBottom;
    QColor Outline; // invalid: no outline
    int OutlineWidth;
    QColor Shadow; // invalid: no shadow
    QPoint ShadowOffset;
};

const std::vector<TFontStyle>& Styles()
{
    static const std::vector<TFontStyle> styles = {
        {"IPAexGothic", true, QColor(0xE0, 0x20, 0x20), QColor(0x90, 0x00, 0x30), QColor(0x20, 0x10, 0x10), 8, QColor(), {}},
        {"IPAMincho", false, QColor(0x20, 0x60, 0xD0), QColor(0x10, 0x20, 0x60), QColor(), 0, QColor(0x70, 0x70, 0x80), {6, 6}},
        {"IPAPGothic", true, QColor(0xFF, 0xD8, 0x20), QColor(0xF0, 0x80, 0x00), QColor(0x00, 0x00, 0x00), 10, QColor(0x40, 0x40, 0x40), {5, 5}},
    };
    return styles;
}

// One glyph picture: the character's outline at about 72 points, with room for the
// outline and the shadow.
QImage RenderGlyph(const TLayoutFont& font, const TFontStyle& style, QChar character)
{
    const TCharGlyph& glyph = font.Glyph(character.unicode());
    const int pad = style.OutlineWidth / 2 + 2;
    const int shadowX = style.Shadow.isValid() ? style.ShadowOffset.x() : 0;
    const int shadowY = style.Shadow.isValid() ? style.ShadowOffset.y() : 0;
    const int width = std::max(glyph.Widths.Advance(), 1) + 2 * pad + shadowX;
    const int height = font.CellHeight() + 2 * pad + shadowY;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kImageFontTransparent));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = glyph.Outline.translated(pad, pad);
    if (style.Shadow.isValid())
        painter.fillPath(path.translated(shadowX, shadowY), style.Shadow);
    if (style.Outline.isValid()) {
        QPen pen(style.Outline, style.OutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.strokePath(path, pen);
    }
    QLinearGradient fill(0, pad, 0, pad + font.CellHeight());
    fill.setColorAt(0, style.FillTop);
    fill.setColorAt(1, style.FillBottom);
    painter.fillPath(path, fill);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    SaveReplacingFile(path, [&](const QString& temporaryPath) {
        QFile file(temporaryPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw EAppError(QStringLiteral("%1: cannot be written").arg(path));
    });
}

void Build(const QString& folder)
{
    int number = 0;
    for (const TFontStyle& style : Styles()) {
        ++number;
        const TLayoutFont font(TLayoutFontKey{QString::fromLatin1(style.Face), 72, style.Bold, false, false});
        if (!font.Face())
            throw EAppError(QStringLiteral("%1 is not installed").arg(QString::fromLatin1(style.Face)));
        const QString fontFolder = QDir(folder).filePath(QString::number(number));
        if (!QDir().mkpath(fontFolder))
            throw EAppError(QStringLiteral("%1: cannot be made").arg(fontFolder));
        for (int index = 0; index < kImageFontChars.size(); ++index) {
            const QImage glyph = RenderGlyph(font, style, kImageFontChars[index]);
            const QByteArray png = EncodePNG(glyph);
            const QString path = QDir(fontFolder).filePath(QStringLiteral("%1.png").arg(index, 2, 10, QLatin1Char('0')));
            WriteFile(path, png);
            if (DecodePNG(png).convertToFormat(QImage::Format_RGB888) != glyph)
                throw EAppError(QStringLiteral("%1 does not read back as written").arg(path));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    return RunDataGenerator(argc, argv, "image_fonts", [](const QString& folder) {
        Build(folder);
    });
}
