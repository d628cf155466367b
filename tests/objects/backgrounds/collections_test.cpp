// The files of the shipped background and arrangement collections: fixed layout sets with
// their preview strips, effect presets and the frame list.
#include "core/error.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "objects/backgrounds/effect_presets.h"
#include "objects/backgrounds/fixed_layouts.h"
#include "objects/backgrounds/frame_list.h"
#include "core/frame/ini_text.h"
#include "platform/shift_jis.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

void Write(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*EncodeShiftJIS(text));
}

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EAppError& error) {
        return error.Message();
    }
    return {};
}

QImage Filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_BGR888);
    image.fill(colour);
    return image;
}

} // namespace

TEST(FixedLayouts, SetAndPreviewStripReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Arranged.sld");
    std::vector<TFixedLayout> layouts = {
        {QStringLiteral("ふたつ"), {{QRect(100, 100, 400, 300), 0}, {QRect(500, 500, 400, 400), -15}}, Filled({60, 40}, Qt::red)},
        {QStringLiteral("Three"), {{QRect(0, 0, 333, 1000), 5}, {QRect(333, 0, 333, 1000), 0}, {QRect(666, 0, 334, 1000), 0}},
         Filled({60, 40}, Qt::blue)},
    };
    SaveFixedLayouts(path, layouts);
    EXPECT_TRUE(QFile::exists(dir.filePath("Arranged.cbm")));
    const std::vector<TFixedLayout> read = LoadFixedLayouts(path);
    ASSERT_EQ(read.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(read[i].Name, layouts[i].Name);
        ASSERT_EQ(read[i].Slots.size(), layouts[i].Slots.size());
        for (size_t k = 0; k < read[i].Slots.size(); ++k) {
            EXPECT_EQ(read[i].Slots[k].Thousandths, layouts[i].Slots[k].Thousandths);
            EXPECT_EQ(read[i].Slots[k].Angle, layouts[i].Slots[k].Angle);
        }
        EXPECT_EQ(read[i].Preview.size(), QSize(60, 40));
    }
    EXPECT_EQ(read[0].Preview.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_EQ(read[1].Preview.pixel(30, 20), qRgb(0, 0, 255));
    const QByteArray text = *EncodeShiftJIS(QStringLiteral("Position1=500,500,900,900"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(text));
}

TEST(FixedLayouts, DamagedSetsAreRefusedWithoutDividing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Arranged.sld");
    const std::vector<std::pair<QString, QString>> cases = {
        {"[A]\nCount=0\n", "レイアウト「A」の枚数が正しくありません"},
        {"[A]\nPosition0=1,2,3,4\n", "レイアウト「A」の枚数が正しくありません"},
        {"[A]\nCount=99999999\n", "レイアウト「A」の枚数が正しくありません"},
        {"[A]\nCount=2\nPosition0=1,2,3,4\n", "レイアウト「A」の位置1が正しくありません"},
        {"[A]\nCount=1\nPosition0=1,2,x,4\n", "レイアウト「A」の位置0が正しくありません"},
        {"[A]\nCount=1\nPosition0=500,2,100,4\n", "レイアウト「A」の位置0が正しくありません"},
    };
    for (const auto& [text, message] : cases) {
        Write(path, text);
        EXPECT_EQ(ErrorOf([&path] { LoadFixedLayouts(path); }), message) << text.toStdString();
    }
    // Two layouts and a strip one pixel wide: no slice for either.
    SaveFixedLayouts(path, {{"A", {{QRect(0, 0, 10, 10), 0}}, Filled({1, 5}, Qt::red)}, {"B", {{QRect(0, 0, 10, 10), 0}}, {}}});
    Write(path, "[A]\nCount=1\nPosition0=0,0,10,10\n[B]\nCount=1\nPosition0=0,0,10,10\n[C]\nCount=1\nPosition0=0,0,1,1\n");
    EXPECT_EQ(ErrorOf([&path] { LoadFixedLayouts(path); }), "レイアウトのプレビュー画像の幅が足りません");
    EXPECT_EQ(ErrorOf([&] { SaveFixedLayouts(path, {{"E", {}, {}}}); }), "レイアウト「E」の枚数が正しくありません");
}

// A slot reaches at most half the composition beyond each edge: farther out (or wrapping
// round the integer range) is damaged data, refused before anything is drawn at that size.
TEST(FixedLayouts, SlotsStayWithinHalfACompositionOfTheEdges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Arranged.sld");
    const QString refused = QStringLiteral("レイアウト「A」の位置0が正しくありません");
    const std::vector<std::pair<QString, QString>> cases = {
        {"-500,-500,1500,1500", {}},
        {"0,0,1000,1000", {}},
        {"-501,0,1000,1000", refused},
        {"0,0,1000,1501", refused},
        {"0,0,2000000000,2000000000", refused},
        {"-2000000000,0,2000000000,10", refused},
    };
    for (const auto& [position, message] : cases) {
        Write(path, "[A]\nCount=1\nPosition0=" + position + "\n");
        EXPECT_EQ(ErrorOf([&path] { LoadFixedLayouts(path); }), message) << position.toStdString();
    }
}

TEST(EffectPresets, KeysWithTheirDefaultsAndApplied)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Effect.dat");
    Write(path, "[Soft]\nTitle=やわらか\nBrightness=10\nContrast=-5\nFocus=5\n\n[Sepia]\nColor=$004080C0\n[Plain]\n");
    const std::vector<TEffectPreset> presets = LoadEffectPresets(path);
    ASSERT_EQ(presets.size(), 3u);
    EXPECT_EQ(presets[0].Title, QStringLiteral("やわらか"));
    EXPECT_EQ(presets[0].Brightness, 10);
    EXPECT_EQ(presets[0].Contrast, -5);
    EXPECT_EQ(presets[0].Focus, 5);
    EXPECT_EQ(presets[0].Color, clNone);
    EXPECT_EQ(presets[1].Title, QStringLiteral("Sepia"));
    EXPECT_EQ(presets[1].Color, 0x004080C0);
    EXPECT_TRUE(LoadEffectPresets(dir.filePath("none.dat")).empty());

    TImageData data;
    int changes = 0;
    TListener listener([&changes](TObject*, const TNotifyId& id) { changes += id == notify::ObjectChanged; });
    listener.Attach(&data.Broadcaster());
    ApplyEffectPreset(data, presets[0]);
    EXPECT_EQ(data.LightFilter()->Brightness(), 10);
    EXPECT_EQ(data.LightFilter()->Contrast(), -5);
    EXPECT_EQ(data.BlurFilter()->BlurCount(), 5);
    EXPECT_EQ(data.MonotoneFilter()->RefColor(), clNone);
    EXPECT_EQ(changes, 1);
    listener.DetachAll();
}

TEST(FrameList, GenresEntriesAndPicturePaths)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("BackFram.dat");
    Write(path, "[ぼかし]\nFolder=BackGrnd\\Soft\nFile1=p1.bmp,s1.bmp,f1.bmp\nFile2=p2.bmp\nOther=x\n[空]\n");
    const std::vector<TFrameGenre> genres = LoadFrameList(path);
    ASSERT_EQ(genres.size(), 2u);
    EXPECT_EQ(genres[0].Name, QStringLiteral("ぼかし"));
    ASSERT_EQ(genres[0].Entries.size(), 2u);
    EXPECT_EQ(genres[0].Entries[0].Soft, QStringLiteral("f1.bmp"));
    EXPECT_TRUE(genres[0].Entries[1].Sharp.isEmpty());
    EXPECT_EQ(FramePicturePath("/data", genres[0], genres[0].Entries[0]), QStringLiteral("/data/BackGrnd/Soft/s1.bmp"));
    EXPECT_EQ(FramePicturePath("/data", genres[0], genres[0].Entries[1]), QStringLiteral("/data/BackGrnd/Soft/p2.bmp"));
    EXPECT_TRUE(genres[1].Entries.empty());
    // A list that names a folder outside the data folder, or a Qt resource, gives no path.
    for (const char* folder : {"..\\..\\etc", ":/images"}) {
        TFrameGenre hostile = genres[0];
        hostile.Folder = QString::fromLatin1(folder);
        EXPECT_EQ(FramePicturePath("/data", hostile, hostile.Entries[0]), QString()) << folder;
    }
}

TEST(IniText, ValuesAndNumbers)
{
    const TIniText ini = TIniText::Parse(*EncodeShiftJIS(QStringLiteral("; note\r\n[S]\r\nA = 0x10\r\nB=$20\r\nC=-3\r\nD=abc\r\n")));
    EXPECT_EQ(ini.Integer("s", "a", 0), 16);
    EXPECT_EQ(ini.Integer("S", "B", 0), 32);
    EXPECT_EQ(ini.Integer("S", "C", 0), -3);
    EXPECT_EQ(ini.Integer("S", "D", 7), 7);
    EXPECT_EQ(ini.Integer("T", "A", 9), 9);
    TIniText copy = TIniText::Parse(*ini.ToBytes());
    EXPECT_EQ(copy.Value("S", "D"), QStringLiteral("abc"));
    copy.SetValue("新", "K", "値");
    EXPECT_EQ(TIniText::Parse(*copy.ToBytes()).Value("新", "k"), QStringLiteral("値"));
    copy.SetValue("X", "K", QStringLiteral("\U0001F600"));
    EXPECT_FALSE(copy.ToBytes());
}
