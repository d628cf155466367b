// Fuzzes the readers of the fixed arrangement layouts. The first byte chooses the input:
// even, the rest is a layout set ("Arranged.sld") and, after its first NUL byte, the set's
// preview strip ("Arranged.cbm"); odd, the rest is a layout source ("Arranged.dat") and,
// after its first NUL byte, the label document "layout.cld" beside it, which the source may
// name. Every layout read is then composed on a small canvas, and the layouts are written as
// a set and read back. Every failure must be an error text.
#include "core/error.h"
#include "document/label_data.h"
#include "graphics/picture/picture_limits.h"
#include "objects/backgrounds/arrange_compose.h"
#include "objects/backgrounds/fixed_layouts.h"
#include "objects/backgrounds/layout_sources.h"
#include "objects/object_classes.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QTemporaryDir* folder = nullptr;

void Write(const QString& name, const QByteArray& bytes)
{
    QFile file(folder->filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// Each layout filled with small pictures of two shapes, composed at a fixed seed.
void Compose(const std::vector<TFixedLayout>& layouts)
{
    for (const TFixedLayout& layout : layouts) {
        std::vector<QImage> pictures;
        for (size_t i = 0; i < std::min<size_t>(layout.Slots.size(), 8); ++i) {
            QImage picture(i % 2 ? QSize(12, 7) : QSize(5, 9), QImage::Format_BGR888);
            picture.fill(Qt::gray);
            pictures.push_back(picture);
        }
        TArrangeSettings settings;
        settings.Style = asFixed;
        settings.Slots = layout.Slots;
        ComposeArrangement(settings, QSize(64, 64), TImageListPictures(std::move(pictures)), [](int n) { return n / 2; });
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static QTemporaryDir dir;
    folder = &dir;
    RegisterDocumentClasses();
    RegisterLabelObjectClasses();
    SetMaxPicturePixels(qint64(1) << 16); // small pictures keep each run fast
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray list = split < 0 ? bytes : bytes.left(split);
    const QByteArray companion = split < 0 ? QByteArray() : bytes.mid(split + 1);
    const bool sources = data[0] % 2 != 0;
    QFile::remove(folder->filePath(QStringLiteral("Arranged.cbm")));
    QFile::remove(folder->filePath(QStringLiteral("layout.cld")));
    Write(sources ? QStringLiteral("Arranged.dat") : QStringLiteral("Arranged.sld"), list);
    if (split >= 0)
        Write(sources ? QStringLiteral("layout.cld") : QStringLiteral("Arranged.cbm"), companion);
    try {
        const std::vector<TFixedLayout> layouts = sources ? LoadLayoutSources(folder->filePath(QStringLiteral("Arranged.dat")))
                                                          : LoadFixedLayouts(folder->filePath(QStringLiteral("Arranged.sld")));
        Compose(layouts);
        const QString again = folder->filePath(QStringLiteral("Again.sld"));
        SaveFixedLayouts(again, layouts);
        Compose(LoadFixedLayouts(again));
    } catch (const EAppError&) {
    }
    return 0;
}
