// Writes the shipped distortion patterns and their thumbnails:
// "distortion_patterns OUTPUT.cdd STRIP.bmp". The file is read back and must give the same
// patterns; the strip is painted from the patterns read back.
#include "core/error.h"
#include "graphics/picture/bmp_writer.h"
#include "patterns.h"
#include "platform/replace_file.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"
#include "text/distortion/pattern_strip.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

void Build(const QString& patternFile, const QString& stripFile)
{
    const auto patterns = ShippedPatterns();
    std::vector<const TCoonsDistortion*> list;
    for (const auto& pattern : patterns)
        list.push_back(pattern.get());
    TCDDFile::Save(patternFile, list);

    const TCDDFile written(patternFile);
    if (written.Count() != int(patterns.size()))
        throw EAppError(QStringLiteral("%1: %2 patterns written, %3 read back").arg(patternFile).arg(patterns.size()).arg(written.Count()));
    std::vector<std::unique_ptr<TCoonsDistortion>> readBack;
    std::vector<const TCoonsDistortion*> readList;
    for (int i = 0; i < written.Count(); ++i) {
        auto pattern = std::make_unique<TCoonsDistortion>();
        written.LoadPattern(i, *pattern);
        if (pattern->Data() != patterns[i]->Data() || written.PatternIndexOf(*pattern) != i)
            throw EAppError(QStringLiteral("%1: pattern %2 does not read back as written").arg(patternFile).arg(i));
        readList.push_back(pattern.get());
        readBack.push_back(std::move(pattern));
    }

    const QByteArray bitmap = WriteBmp(RenderPatternStrip(readList), TPixelFormat::pf24bit);
    SaveReplacingFile(stripFile, [&](const QString& temporaryPath) {
        QFile file(temporaryPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bitmap) != bitmap.size())
            throw EAppError(QStringLiteral("%1: cannot be written").arg(stripFile));
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: distortion_patterns OUTPUT.cdd STRIP.bmp\n");
        return 2;
    }
    try {
        Build(arguments[1], arguments[2]);
    } catch (const EAppError& error) {
        std::fprintf(stderr, "distortion_patterns: %s\n", error.what());
        return 1;
    }
    return 0;
}
