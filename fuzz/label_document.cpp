// Fuzzes opening a label document: the compound file, the document information, every
// sheet's settings and paper, and each face's design and preview.
#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "document/label_data.h"
#include "graphics/picture/picture_limits.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

namespace {
QTemporaryDir* folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static QTemporaryDir dir;
    folder = &dir;
    RegisterDocumentClasses();
    SetMaxPicturePixels(1 << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("input.cld"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        TLabelData document;
        document.LoadFromFile(path);
        for (int sheet = 0; sheet < std::min(document.SheetCount(), 8); ++sheet) {
            document.SetCurrentSheet(sheet);
            const int faces = document.Paper() ? std::min(document.Paper()->FaceCount(), 8) : 0;
            for (int face = 0; face < faces; ++face) {
                if (document.HasDesign(face))
                    document.LoadObjects(face);
                (void)TLabelData::ReadPreviewFromFile(path, sheet, face);
            }
        }
    } catch (const std::exception&) {
    }
    return 0;
}
