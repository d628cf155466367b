#include "core/error.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/file_storage.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

// A pattern: the unit square with its top side raised in the middle by lift.
std::unique_ptr<TCoonsDistortion> Pattern(double lift)
{
    auto pattern = std::make_unique<TCoonsDistortion>();
    const QPointF sides[4][3] = {{{0, 0}, {0.5, lift}, {1, 0}}, {{1, 0}, {1, 1}}, {{0, 1}, {1, 1}}, {{0, 0}, {0, 1}}};
    for (int side = 0; side < 4; ++side) {
        const int count = side == kSideTop ? 3 : 2;
        pattern->SetCount(side, count);
        for (int i = 0; i < count; ++i)
            pattern->SetPoint(side, i, sides[side][i]);
    }
    pattern->SetSmooth(kSideTop, 1, true);
    return pattern;
}

class CDDFile : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return folder_.filePath(name); }

    // A pattern file of three patterns, the second with a null GUID.
    QString ThreePatterns()
    {
        patterns_.push_back(Pattern(0.1));
        patterns_.push_back(Pattern(-0.2));
        patterns_.back()->SetId(QUuid());
        patterns_.push_back(Pattern(0.3));
        const QString file = Path(QStringLiteral("three.cdd"));
        TCDDFile::Save(file, {patterns_[0].get(), patterns_[1].get(), patterns_[2].get()});
        return file;
    }

    QTemporaryDir folder_;
    std::vector<std::unique_ptr<TCoonsDistortion>> patterns_;
};

} // namespace

TEST_F(CDDFile, SavedPatternsLoadBackAndAreFoundByGuid)
{
    const TCDDFile file(ThreePatterns());
    ASSERT_EQ(file.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        TCoonsDistortion loaded;
        file.LoadPattern(i, loaded);
        EXPECT_EQ(loaded.Data(), patterns_[i]->Data()) << i;
        EXPECT_EQ(file.PatternIndexOf(loaded), i) << i;
    }
    EXPECT_EQ(file.PatternIndexOf(*Pattern(0.1)), -1); // a fresh GUID
    TCoonsDistortion empty;
    empty.SetId(QUuid());
    EXPECT_EQ(file.PatternIndexOf(empty), -1); // even though pattern 1 has the null GUID
}

TEST_F(CDDFile, DamagedPatternsFailAndLeaveTheDistortionAlone)
{
    const QString file = ThreePatterns();
    {
        // Cut pattern 0 short and give pattern 2 a negative count.
        TFileStorage storage(file, fmOpenReadWrite);
        TDocNameList names(storage, QStringLiteral("CoonsDistortionData\\NameList"));
        names.OpenStream(0, fmOpenReadWrite)->SetSize(100);
        auto stream = names.OpenStream(2, fmOpenReadWrite);
        stream->seek(20);
        stream->Write("\xFF\xFF\xFF\xFF", 4);
        storage.Commit();
    }
    const TCDDFile damaged(file);
    for (const int index : {0, 2, 3, -1}) {
        const auto distortion = Pattern(0.4);
        const QByteArray before = distortion->Data();
        EXPECT_THROW(damaged.LoadPattern(index, *distortion), EAppError) << index;
        EXPECT_EQ(distortion->Data(), before) << index;
    }
    TCoonsDistortion second;
    damaged.LoadPattern(1, second);
    EXPECT_EQ(second.Data(), patterns_[1]->Data());
}

TEST_F(CDDFile, MissingOrForeignFilesRaise)
{
    EXPECT_THROW(TCDDFile(Path(QStringLiteral("missing.cdd"))), EAppError);
    const QString foreign = Path(QStringLiteral("foreign.cdd"));
    testsupport::WriteFileBytes(foreign, QByteArray(4096, 'x'));
    EXPECT_THROW(TCDDFile{foreign}, EAppError);
    {
        TFileStorage storage(Path(QStringLiteral("nolist.cdd")), fmCreate);
        storage.Commit();
    }
    EXPECT_THROW(TCDDFile(Path(QStringLiteral("nolist.cdd"))), EAppError);
}
