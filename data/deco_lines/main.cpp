// Writes the shipped decorative rule tiles: "deco_lines FOLDER" writes one 24-bit bitmap per
// tile into the folder. Each file is read back and must give the tile's pixels.
#include "../generator_main.h"
#include "core/error.h"
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/graphic.h"
#include "graphics/graphics_classes.h"
#include "platform/replace_file.h"
#include "tiles.h"

#include <QDir>
#include <QFile>

namespace {

void Build(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw EAppError(QStringLiteral("%1: cannot be made").arg(folder));
    for (const TDecoTile& tile : ShippedDecoTiles()) {
        const QString path = QDir(folder).filePath(tile.FileName);
        const QByteArray bitmap = WriteBmp(tile.Image, TPixelFormat::pf24bit);
        SaveReplacingFile(path, [&](const QString& temporaryPath) {
            QFile file(temporaryPath);
            if (!file.open(QIODevice::WriteOnly) || file.write(bitmap) != bitmap.size())
                throw EAppError(QStringLiteral("%1: cannot be written").arg(path));
        });
        TPictureEx written;
        written.LoadFromFile(path);
        if (!written.Graphic() ||
            written.Graphic()->ToImage().convertToFormat(QImage::Format_RGB888) != tile.Image)
            throw EAppError(QStringLiteral("%1: does not read back as written").arg(path));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return RunDataGenerator(argc, argv, "deco_lines", [](const QString& folder) {
        RegisterGraphicsClasses();
        Build(folder);
    });
}
