#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/frame/settings.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/file_storage.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_history.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/color/history_key.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class ColorSpecHistoryTest : public ::testing::Test {
protected:
    ColorSpecHistoryTest() { history_.SetFilename(folder_.filePath(QStringLiteral("pref/ColorSpec.hst"))); }

    static std::unique_ptr<TColorSpec> Solid(TColor color)
    {
        auto spec = std::make_unique<TColorSpec>();
        spec->SetColor(color);
        return spec;
    }

    TColor ColorAt(int index) const
    {
        TColorSpec spec;
        history_.LoadFromHistory(index, spec);
        return spec.Color();
    }

    std::vector<TColor> Colors() const
    {
        std::vector<TColor> colors;
        for (int i = 0; i < history_.HistoryCount(); ++i)
            colors.push_back(ColorAt(i));
        return colors;
    }

    // The names of the streams of one storage of the file.
    QStringList Streams(const QString& storage) const
    {
        TFileStorage root(history_.Filename(), fmOpenRead);
        TDocStorage folder(root, false, storage);
        QStringList names;
        folder.ListStreams(names);
        names.sort();
        return names;
    }

    QTemporaryDir folder_;
    TColorSpecHistory history_;
};

// The fold with a plain left shift, under which every word older than the last 64 is lost.
QString ShiftFold(const QByteArray& data)
{
    std::uint64_t key = 0;
    for (qsizetype at = 0; at + 4 <= data.size(); at += 4)
        key = (key << 1) ^ std::uint64_t(std::int64_t(qFromLittleEndian<qint32>(data.constData() + at)));
    return QString::number(qint64(key));
}

QByteArray Words(std::initializer_list<qint32> words)
{
    QByteArray data;
    for (qint32 word : words) {
        char bytes[4];
        qToLittleEndian(word, bytes);
        data.append(bytes, 4);
    }
    return data;
}

} // namespace

TEST(HistoryKey, FoldTurnsTheWordsIn)
{
    EXPECT_EQ(FoldHistoryKey(QByteArray()), QStringLiteral("0"));
    // 1, then -1 sign-extended: (1 <<< 1) ^ ~0 = ~2 = -3.
    EXPECT_EQ(FoldHistoryKey(Words({1, -1})), QStringLiteral("-3"));
    // Trailing bytes short of a word do not count.
    EXPECT_EQ(FoldHistoryKey(Words({1, -1}) + "xy"), QStringLiteral("-3"));
    // A word 64 steps back has come round to where it started; a shift would have lost it.
    QByteArray old = Words({1});
    for (int i = 0; i < 64; ++i)
        old += Words({0});
    EXPECT_EQ(FoldHistoryKey(old), QStringLiteral("1"));
    EXPECT_EQ(ShiftFold(old), QStringLiteral("0"));
}

TEST(HistoryKey, KeyForm)
{
    for (const char* key : {"0", "-3", "12345678901234567890", "-9223372036854775808"})
        EXPECT_TRUE(IsHistoryKey(QString::fromLatin1(key))) << key;
    for (const char* other : {"", "-", "1a", "..\\ColorSpec", "123456789012345678901", "+1", "NameList"})
        EXPECT_FALSE(IsHistoryKey(QString::fromLatin1(other))) << other;
}

TEST_F(ColorSpecHistoryTest, NewestFirstAndTheLimitDropsTheOldest)
{
    EXPECT_EQ(history_.Limit(), 10);
    EXPECT_EQ(history_.HistoryCount(), 0);
    for (TColor color = 1; color <= 11; ++color)
        history_.AddToHistory(*Solid(color));
    EXPECT_EQ(Colors(), (std::vector<TColor>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
    // Nothing of the dropped entry is left behind.
    EXPECT_EQ(Streams(QStringLiteral("Preview")).size(), 10);
    EXPECT_EQ(Streams(QStringLiteral("ColorSpec")).size(), 11); // with the name list
}

TEST_F(ColorSpecHistoryTest, AddingAgainOnlyMovesToTheFront)
{
    for (TColor color : {1, 2, 3})
        history_.AddToHistory(*Solid(color));
    const QStringList before = Streams(QStringLiteral("Preview"));
    history_.AddToHistory(*Solid(1));
    EXPECT_EQ(Colors(), (std::vector<TColor>{1, 3, 2}));
    EXPECT_EQ(Streams(QStringLiteral("Preview")), before);
}

TEST_F(ColorSpecHistoryTest, SpecsWithTheSamePreviewTailAreKeptApart)
{
    // Two gradients that differ only in Tile, which a gradient does not show: equal previews,
    // long enough that the shifting fold would have seen nothing else.
    TColorSpec gradient;
    gradient.SetKind(cskGradation);
    gradient.SetGradKind(rgkConeCounterClockwise);
    gradient.GradColors()->SetColors({0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF});
    TColorSpec tiled;
    tiled.Assign(gradient);
    tiled.SetTile(true);
    const QByteArray preview = HistoryPreviewData(gradient);
    ASSERT_EQ(HistoryPreviewData(tiled), preview);
    ASSERT_GT(preview.size(), 64 * 4);
    const QByteArray plainData = HistoryKeyData(gradient, preview);
    const QByteArray tiledData = HistoryKeyData(tiled, preview);
    ASSERT_NE(plainData, tiledData);
    EXPECT_EQ(ShiftFold(plainData), ShiftFold(tiledData));
    EXPECT_NE(FoldHistoryKey(plainData), FoldHistoryKey(tiledData));

    history_.AddToHistory(gradient);
    history_.AddToHistory(tiled);
    ASSERT_EQ(history_.HistoryCount(), 2);
    TColorSpec newest;
    history_.LoadFromHistory(0, newest);
    EXPECT_TRUE(newest.Tile());
    EXPECT_EQ(newest.Kind(), cskGradation);
    EXPECT_EQ(newest.GradColors()->Colors(), gradient.GradColors()->Colors());
}

TEST_F(ColorSpecHistoryTest, LimitsOfNoneAndBelowKeepNothing)
{
    for (int limit : {0, -1, INT_MIN}) {
        history_.SetLimit(limit);
        history_.AddToHistory(*Solid(limit & 0xFFFF));
        EXPECT_EQ(history_.HistoryCount(), 0) << limit;
        EXPECT_TRUE(Streams(QStringLiteral("Preview")).isEmpty());
    }
    history_.SetLimit(2);
    for (TColor color : {1, 2, 3})
        history_.AddToHistory(*Solid(color));
    EXPECT_EQ(Colors(), (std::vector<TColor>{3, 2}));
}

TEST_F(ColorSpecHistoryTest, DeleteEntryRemovesItsStreams)
{
    for (TColor color : {1, 2, 3})
        history_.AddToHistory(*Solid(color));
    history_.DeleteEntry(1);
    EXPECT_EQ(Colors(), (std::vector<TColor>{3, 1}));
    EXPECT_EQ(Streams(QStringLiteral("Preview")).size(), 2);
    const QByteArray before = testsupport::ReadFileBytes(history_.Filename());
    EXPECT_THROW(history_.DeleteEntry(2), EAppError);
    EXPECT_EQ(testsupport::ReadFileBytes(history_.Filename()), before);
}

TEST_F(ColorSpecHistoryTest, EntriesKeepTheWholeSpecification)
{
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    QImage image(5, 3, QImage::Format_BGR888);
    image.fill(QColor(10, 20, 30));
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    spec.ImageData()->Picture()->SetGraphic(std::move(bitmap));
    spec.ImageData()->SetTransparentColor(0x0000FF);
    history_.AddToHistory(spec);
    TColorSpec back;
    back.SetColor(0x777777);
    history_.LoadFromHistory(0, back);
    EXPECT_EQ(back.Kind(), cskBitmap);
    EXPECT_EQ(back.ImageData()->Picture()->Width(), 5);
    EXPECT_EQ(back.ImageData()->TransparentColor(), 0x0000FF);
    EXPECT_EQ(back.Color(), clBlack);
    // A failed read leaves the fill as it was.
    back.SetColor(0x777777);
    EXPECT_THROW(history_.LoadFromHistory(1, back), EAppError);
    EXPECT_EQ(back.Color(), 0x777777);
}

TEST_F(ColorSpecHistoryTest, PreviewIsAPngSample)
{
    history_.AddToHistory(*Solid(0x00FF00));
    TPictureEx picture;
    history_.LoadPreview(0, picture);
    const auto* png = dynamic_cast<const TPngImage*>(picture.Graphic());
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->Width(), kHistoryPreviewSize);
    EXPECT_EQ(png->Height(), kHistoryPreviewSize);
    EXPECT_EQ(png->ToImage().pixel(20, 20), qRgb(0, 255, 0));
    history_.LoadPreview(3, picture);
    EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST_F(ColorSpecHistoryTest, UnreadableFilesCountNothingAndClearDeletes)
{
    EXPECT_EQ(history_.HistoryCount(), 0);
    testsupport::WriteFileBytes(history_.Filename(), "not a compound file");
    EXPECT_EQ(history_.HistoryCount(), 0);
    TPictureEx picture;
    history_.LoadPreview(0, picture);
    EXPECT_EQ(picture.Graphic(), nullptr);
    // Adding to a damaged file fails and leaves it alone.
    EXPECT_THROW(history_.AddToHistory(*Solid(1)), EAppError);
    EXPECT_EQ(testsupport::ReadFileBytes(history_.Filename()), QByteArray("not a compound file"));
    history_.ClearHistory();
    EXPECT_FALSE(QFile::exists(history_.Filename()));
    history_.AddToHistory(*Solid(1));
    EXPECT_EQ(history_.HistoryCount(), 1);
    history_.ClearHistory();
    EXPECT_EQ(history_.HistoryCount(), 0);
}

TEST_F(ColorSpecHistoryTest, NamesThatAreNotKeysAreRefused)
{
    history_.AddToHistory(*Solid(1));
    {
        TFileStorage root(history_.Filename(), fmOpenReadWrite);
        TDocStreamList list(root, QStringLiteral("ColorSpec\\NameList"));
        list.Insert(0, QStringLiteral("..\\Preview"));
    }
    EXPECT_EQ(history_.HistoryCount(), 0);
    TColorSpec spec;
    try {
        history_.LoadFromHistory(0, spec);
        ADD_FAILURE() << "a damaged name list was read";
    } catch (const EAppError& error) {
        EXPECT_TRUE(error.Message().startsWith(QStringLiteral("色指定の履歴「"))) << error.Message().toStdString();
    }
    const QByteArray before = testsupport::ReadFileBytes(history_.Filename());
    EXPECT_THROW(history_.AddToHistory(*Solid(2)), EAppError);
    EXPECT_EQ(testsupport::ReadFileBytes(history_.Filename()), before);
}

TEST_F(ColorSpecHistoryTest, OlefileReadsTheLayout)
{
    for (TColor color : {1, 2})
        history_.AddToHistory(*Solid(color));
    const QString script = QStringLiteral(
        "import olefile, sys\n"
        "o = olefile.OleFileIO(sys.argv[1])\n"
        "for e in sorted('/'.join(p) for p in o.listdir()): print(e)\n"
        "data = o.openstream('ColorSpec/NameList').read()\n"
        "print(int.from_bytes(data[:4], 'little'), data[4:].decode('ascii').split('\\r\\n')[:-1])\n");
    QByteArray output;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("/usr/bin/python3"),
                                      {QStringLiteral("-c"), script, history_.Filename()}, &output),
              0);
    const QStringList lines = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    TFileStorage root(history_.Filename(), fmOpenRead);
    TDocStreamList list(root, QStringLiteral("ColorSpec\\NameList"));
    const QString newest = list.Name(0);
    const QString oldest = list.Name(1);
    QStringList expected{QStringLiteral("ColorSpec/NameList"), "ColorSpec/" + newest, "ColorSpec/" + oldest,
                         "Preview/" + newest, "Preview/" + oldest};
    expected.sort();
    EXPECT_EQ(lines.mid(0, 5), expected);
    EXPECT_EQ(lines[5], QStringLiteral("0 ['%1', '%2']").arg(newest, oldest));
}

TEST(ColorSpecHistory, FileNameAndUseComeFromTheFrame)
{
    {
        TColorSpecHistory history;
        EXPECT_TRUE(history.Filename().isEmpty());
    }
    TMacroString macros;
    macros.SetValue(QStringLiteral("UserPreferenceFolder"), QStringLiteral("/home/u/.local/share/Lumarest/1.0/"));
    macros.SetValue(QStringLiteral("ColorSpecHistory"), QStringLiteral("$(UserPreferenceFolder)ColorSpec.hst"));
    macros.SetValue(QStringLiteral("SysRegistryKey"), QStringLiteral("Software\\Lumarest\\Settings"));
    SetApplicationMacros(&macros);
    TColorSpecHistory history;
    EXPECT_EQ(history.Filename(), QStringLiteral("/home/u/.local/share/Lumarest/1.0/ColorSpec.hst"));
    EXPECT_TRUE(UseColorSpecHistory());
    WriteBool(QStringLiteral("UseColorSpecHistory"), false);
    EXPECT_FALSE(UseColorSpecHistory());
    WriteBool(QStringLiteral("UseColorSpecHistory"), true);
    SetApplicationMacros(nullptr);
}
