// Fuzz target: the binary form of a Coons distortion and the pattern file. Input that starts
// with the compound-file signature is opened as a whole pattern file; any other input is
// read as a distortion's binary form, directly and as the one pattern of a pattern file.
// Every failure must be an application error that leaves the distortion as it was; a form
// that is accepted must write back as read and transform points without trouble.
#include "core/error.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/file_storage.h"
#include "graphics/raster/stroke.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

// The pattern file of each run, in a folder of its own.
QString PatternPath()
{
    static const QTemporaryDir folder;
    return folder.filePath(QStringLiteral("patterns.cdd"));
}

const QByteArray kSignature = QByteArray::fromHex("d0cf11e0a1b11ae1");

void Exercise(TCoonsDistortion& distortion)
{
    distortion.SetSourceRect(TRect(-50, -20, 950, 380));
    distortion.SetDestRect(TRect(0, 0, 2000, 800));
    TStroke stroke;
    stroke.SetRect(TRect(-50, -20, 950, 380));
    stroke.Subdivide();
    distortion.TransformStroke(stroke);
    for (int i = 0; i < stroke.Count(); ++i)
        if (std::abs(stroke.Point(i).x()) > (1 << 29) || std::abs(stroke.Point(i).y()) > (1 << 29))
            __builtin_trap();
    TCoonsDistortion copy;
    copy.Assign(distortion);
    copy.ApplyRatio(50);
    copy.TransformStroke(stroke);
}

// Loading must either take the form whole or change nothing.
void LoadForm(const QByteArray& form)
{
    TCoonsDistortion distortion;
    const QByteArray before = distortion.Data();
    try {
        distortion.SetData(form);
    } catch (const EAppError&) {
        if (distortion.Data() != before)
            __builtin_trap();
        return;
    }
    const QByteArray written = distortion.Data();
    TCoonsDistortion again;
    again.SetData(written);
    if (again.Data() != written)
        __builtin_trap();
    Exercise(distortion);
}

void LoadFile(const QString& path)
{
    try {
        const TCDDFile file(path);
        for (int i = 0; i < std::min(file.Count(), 64); ++i) {
            TCoonsDistortion distortion;
            try {
                file.LoadPattern(i, distortion);
            } catch (const EAppError&) {
                continue;
            }
            if (file.PatternIndexOf(distortion) > i)
                __builtin_trap();
            Exercise(distortion);
        }
    } catch (const EAppError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = PatternPath();
    if (input.startsWith(kSignature)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(input);
        file.close();
        LoadFile(path);
        return 0;
    }
    LoadForm(input);
    {
        TFileStorage storage(path, fmCreate);
        TDocNameList names(storage, QStringLiteral("CoonsDistortionData\\NameList"));
        names.AddNewName();
        names.OpenStream(0, fmCreate)->Write(input.constData(), input.size());
        storage.Commit();
    }
    LoadFile(path);
    return 0;
}
