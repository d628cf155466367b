// The shipped pattern file and its thumbnail strip, as the build generates them.
#include "core/persistent/guid_bytes.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"
#include "text/distortion/pattern_strip.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kPatternFile = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.cdd");
const QString kStripFile = QStringLiteral(LUMAREST_BINARY_DIR "/data/TransformPattern.bmp");

std::vector<std::unique_ptr<TCoonsDistortion>> LoadAll(const TCDDFile& file)
{
    std::vector<std::unique_ptr<TCoonsDistortion>> patterns;
    for (int i = 0; i < file.Count(); ++i) {
        patterns.push_back(std::make_unique<TCoonsDistortion>());
        file.LoadPattern(i, *patterns.back());
    }
    return patterns;
}

} // namespace

TEST(ShippedPatterns, OlefileListsAndDecodesEveryPattern)
{
    QByteArray output, errors;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("/usr/bin/python3"),
                                      {testsupport::FixturePath(QStringLiteral("dump_cdd.py")), kPatternFile},
                                      &output, 60000, &errors),
              0)
        << errors.toStdString();
    const QJsonObject dump = QJsonDocument::fromJson(output).object();
    const QJsonArray names = dump[QStringLiteral("names")].toArray();
    const QJsonArray patterns = dump[QStringLiteral("patterns")].toArray();

    const TCDDFile file(kPatternFile);
    ASSERT_GE(file.Count(), 15);
    ASSERT_EQ(names.size(), file.Count());
    ASSERT_EQ(patterns.size(), file.Count());
    QSet<QString> guids;
    for (int i = 0; i < file.Count(); ++i) {
        const QJsonObject pattern = patterns[i].toObject();
        TCoonsDistortion ours;
        file.LoadPattern(i, ours);
        EXPECT_FALSE(ours.IsNoDistortion()) << i;
        EXPECT_EQ(QUuid::fromString(pattern[QStringLiteral("guid")].toString()), ours.Id()) << i;
        guids.insert(pattern[QStringLiteral("guid")].toString());
        const QJsonArray counts = pattern[QStringLiteral("counts")].toArray();
        const QJsonArray points = pattern[QStringLiteral("points")].toArray();
        const QJsonArray smooth = pattern[QStringLiteral("smooth")].toArray();
        int at = 0;
        for (int side = 0; side < 4; ++side) {
            ASSERT_EQ(counts[side].toInt(), ours.Count(side)) << i;
            for (int j = 0; j < ours.Count(side); ++j, ++at) {
                const QJsonArray point = points[at].toArray();
                EXPECT_EQ(QPointF(point[0].toDouble(), point[1].toDouble()), ours.Point(side, j)) << i;
                EXPECT_EQ(smooth[at].toInt() != 0, ours.Smooth(side, j)) << i;
            }
        }
    }
    EXPECT_EQ(guids.size(), file.Count());
}

TEST(ShippedPatterns, GuidsStayFixedAcrossBuilds)
{
    const TCDDFile file(kPatternFile);
    TCoonsDistortion first;
    file.LoadPattern(0, first);
    EXPECT_EQ(first.Id(), QUuid::fromString(QStringLiteral("{3484ff31-325a-413f-82dd-c8d493d51a2b}")));
    EXPECT_EQ(GuidBytes(first.Id()).toHex(), QByteArray("31ff84345a323f4182ddc8d493d51a2b"));
}

TEST(ShippedPatterns, ThumbnailStripMatchesThePatterns)
{
    const TCDDFile file(kPatternFile);
    const auto patterns = LoadAll(file);
    std::vector<const TCoonsDistortion*> list;
    for (const auto& pattern : patterns)
        list.push_back(pattern.get());

    QImage strip(kStripFile);
    ASSERT_FALSE(strip.isNull());
    strip = strip.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(strip.width(), 4 * 94);
    EXPECT_EQ(strip.height(), 37 * ((file.Count() + 3) / 4));
    EXPECT_EQ(strip, RenderPatternStrip(list));
    // Every cell shows something, and different patterns look different.
    QSet<QByteArray> cells;
    for (int i = 0; i < file.Count(); ++i) {
        const QImage cell = strip.copy(PatternCellRect(i));
        EXPECT_NE(cell.pixel(47, 18), qRgb(255, 255, 255)) << i;
        cells.insert(QByteArray(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()));
    }
    EXPECT_EQ(cells.size(), file.Count());
}
