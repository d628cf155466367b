// Fuzz target: a colour history file: its entry count, an entry, a preview, and adding an
// entry, which rewrites the file.
#include "core/error.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_history.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/picture_limits.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QTemporaryDir* folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static QTemporaryDir temporary;
    folder = &temporary;
    SetMaxPicturePixels(qint64(1) << 16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("ColorSpec.hst"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TColorSpecHistory history;
    history.SetFilename(path);
    const int count = history.HistoryCount();
    TPictureEx preview;
    history.LoadPreview(0, preview);
    TColorSpec spec;
    try {
        if (count > 0)
            history.LoadFromHistory(count - 1, spec);
    } catch (const EAppError&) {
    }
    try {
        history.SetLimit(2);
        history.AddToHistory(spec);
        if (history.HistoryCount() > 2)
            __builtin_trap();
    } catch (const EAppError&) {
    }
    return 0;
}
