#include "objects/qr/qr_code.h"

#include "core/canvas/memory_canvas.h"
#include "core/canvas/rect.h"
#include "objects/qr/qr_mask.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// An encoder whose last encoding is done, so that the changed flag shows later changes.
void EncodeNow(TQRCode& code)
{
    code.Encode();
    ASSERT_FALSE(code.IsChanged());
}

void Fix(TQRCode& code, char level, int version)
{
    code.SetErrorCorrectLevel(level);
    code.SetAutoVersion(false);
    code.SetVersion(version);
}

} // namespace

TEST(QRCode, HasTheDefaultSettings)
{
    TQRCode code;
    EXPECT_EQ(code.ErrorCorrectLevel(), 'M');
    EXPECT_TRUE(code.AutoEncodeMode());
    EXPECT_TRUE(code.AutoVersion());
    EXPECT_TRUE(code.AutoMask());
    EXPECT_EQ(code.MaskNo(), 0);
    EXPECT_EQ(code.Mergin(), 4);
    EXPECT_TRUE(code.IsChanged());
}

TEST(QRCode, SettersIgnoreInvalidValues)
{
    struct Case {
        const char* name;
        std::function<void(TQRCode&)> set;
    };
    const Case cases[] = {
        {"level X", [](TQRCode& c) { c.SetErrorCorrectLevel('X'); }},
        {"level m", [](TQRCode& c) { c.SetErrorCorrectLevel('m'); }},
        {"version 0", [](TQRCode& c) { c.SetVersion(0); }},
        {"version 41", [](TQRCode& c) { c.SetVersion(41); }},
        {"mode B", [](TQRCode& c) { c.SetEncodeMode('B'); }},
        {"mask -1", [](TQRCode& c) { c.SetMaskNo(-1); }},
        {"mask 8", [](TQRCode& c) { c.SetMaskNo(8); }},
        {"margin -1", [](TQRCode& c) { c.SetMergin(-1); }},
        {"margin above the limit", [](TQRCode& c) { c.SetMergin(kQRMaxMergin + 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQRCode code;
        code.SetPayload("LUMAREST");
        code.SetAutoEncodeMode(false);
        code.SetEncodeMode('A');
        Fix(code, 'Q', 3);
        code.SetAutoMask(false);
        code.SetMaskNo(5);
        EncodeNow(code);
        c.set(code);
        EXPECT_FALSE(code.IsChanged());
        EXPECT_EQ(code.ErrorCorrectLevel(), 'Q');
        EXPECT_EQ(code.Version(), 3);
        EXPECT_EQ(code.EncodeMode(), 'A');
        EXPECT_EQ(code.MaskNo(), 5);
        EXPECT_EQ(code.Mergin(), 4);
    }
}

TEST(QRCode, EveryAcceptedChangeMarksTheSymbolChanged)
{
    const std::function<void(TQRCode&)> changes[] = {
        [](TQRCode& c) { c.SetErrorCorrectLevel('H'); },
        [](TQRCode& c) { c.SetEncodeMode('A'); },
        [](TQRCode& c) { c.SetAutoEncodeMode(false); },
        [](TQRCode& c) { c.SetVersion(5); },
        [](TQRCode& c) { c.SetAutoVersion(false); },
        [](TQRCode& c) { c.SetMaskNo(7); },
        [](TQRCode& c) { c.SetAutoMask(false); },
        [](TQRCode& c) { c.SetMergin(0); },
        [](TQRCode& c) { c.SetPayload("other"); },
        [](TQRCode& c) { c.MarkChanged(); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        TQRCode code;
        code.SetPayload("payload");
        EncodeNow(code);
        changes[i](code);
        EXPECT_TRUE(code.IsChanged()) << "change " << i;
    }
}

TEST(QRCode, ReadsBackTheAutomaticChoices)
{
    TQRCode code;
    code.SetPayload("12345678");
    EXPECT_EQ(code.EncodeMode(), '0');
    EXPECT_EQ(code.Version(), 1);
    // The chosen values are kept when the automatic choice is switched off.
    code.SetAutoEncodeMode(false);
    code.SetAutoVersion(false);
    code.SetPayload(QByteArray(100, 'x'));
    EXPECT_EQ(code.EncodeMode(), '0');
    EXPECT_EQ(code.Version(), 1);
}

// Switching the automatic choices off before any was made leaves no mode or version to
// use; encoding then chooses them and keeps them.
TEST(QRCode, ChoosesModeAndVersionWhenNoneWasSet)
{
    TQRCode code;
    code.SetAutoEncodeMode(false);
    code.SetAutoVersion(false);
    code.SetPayload(QByteArray(30, 'Z'));
    EXPECT_EQ(code.EncodeMode(), 0);
    EXPECT_EQ(code.Version(), 0);
    ASSERT_TRUE(code.Encode());
    EXPECT_EQ(code.EncodeMode(), 'A');
    EXPECT_EQ(code.Version(), 2);
    EXPECT_EQ(code.Matrix().Size(), QRSymbolSize(2));
}

// The capacity rule counts the character count at the candidate version's width.
TEST(QRCode, ChoosesTheSmallestVersionThatHoldsThePayload)
{
    struct Case { char fill; int length; char level; int version; };
    const Case cases[] = {
        {'x', 0, 'M', 1},      // empty payload: an 8-bit segment of length 0
        {'7', 8, 'M', 1},
        {'x', 17, 'L', 1},     {'x', 18, 'L', 2},
        {'x', 230, 'L', 9},    {'x', 231, 'L', 10},
        {'x', 271, 'L', 10},   {'x', 272, 'L', 11},  // 272 bytes fit version 10 only with an 8-bit count
        {'7', 552, 'L', 9},    {'7', 553, 'L', 10},
        {'A', 1, 'H', 1},      {'A', 1852, 'H', 40},
    };
    for (const Case& c : cases) {
        TQRCode code;
        code.SetErrorCorrectLevel(c.level);
        code.SetPayload(QByteArray(c.length, c.fill));
        EXPECT_EQ(code.Version(), c.version) << c.fill << " x " << c.length << " at " << c.level;
        ASSERT_TRUE(code.Encode());
        EXPECT_EQ(code.Matrix().Size(), QRSymbolSize(c.version));
    }
}

TEST(QRCode, HoldsTheLargestPayloadsOfVersion40AndRefusesOneMore)
{
    struct Case { char fill; int length; char level; };
    const Case cases[] = {
        {'7', 7089, 'L'}, {'A', 4296, 'L'}, {'x', 2953, 'L'},
        {'7', 3057, 'H'}, {'A', 1852, 'H'}, {'x', 1273, 'H'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fill << " x " << c.length << " at " << c.level);
        TQRCode code;
        code.SetErrorCorrectLevel(c.level);
        code.SetPayload(QByteArray(c.length, c.fill));
        ASSERT_TRUE(code.Encode());
        EXPECT_EQ(code.Version(), 40);

        code.SetPayload(QByteArray(c.length + 1, c.fill));
        EXPECT_FALSE(code.Encode());
        EXPECT_FALSE(code.HasSymbol());
        EXPECT_TRUE(code.ModuleBitmap().isNull());
        EXPECT_EQ(code.Version(), 0);
        EXPECT_TRUE(code.RefusalReason().contains(QStringLiteral("バージョン40"))) << code.RefusalReason().toStdString();
    }
}

TEST(QRCode, RefusesPayloadsWithoutASymbol)
{
    struct Case {
        const char* name;
        QByteArray payload;
        std::function<void(TQRCode&)> settings;
        QString reason;
    };
    const Case cases[] = {
        {"too large for the fixed version", QByteArray(15, 'x'), [](TQRCode& c) { Fix(c, 'M', 1); },
         QStringLiteral("データが多すぎるため、バージョン1・誤り訂正レベルMのQRコードに収まりません。")},
        {"non-digits in fixed numeric mode", "12A4",
         [](TQRCode& c) { c.SetAutoEncodeMode(false); c.SetEncodeMode('0'); },
         QStringLiteral("数字モードでは数字以外の文字を含むデータをQRコードにできません。")},
        {"larger than any symbol", QByteArray(kQRMaxPayloadBytes + 1, '1'), [](TQRCode& c) { c.SetErrorCorrectLevel('L'); },
         QStringLiteral("データが多すぎるため、QRコードにできません（誤り訂正レベルLでは最大のバージョン40にも収まりません）。")},
        {"far larger than any symbol", QByteArray(1 << 20, 'x'), [](TQRCode& c) { Fix(c, 'H', 40); },
         QStringLiteral("データが多すぎるため、バージョン40・誤り訂正レベルHのQRコードに収まりません。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TQRCode code;
        code.SetPayload("1");
        ASSERT_TRUE(code.Encode());
        code.SetPayload(c.payload);
        c.settings(code);
        EXPECT_FALSE(code.Encode());
        EXPECT_FALSE(code.IsChanged());
        EXPECT_FALSE(code.HasSymbol());
        EXPECT_TRUE(code.ModuleBitmap().isNull());
        EXPECT_EQ(code.RefusalReason(), c.reason);
    }
    // The fixed version holds one byte less.
    TQRCode code;
    Fix(code, 'M', 1);
    code.SetPayload(QByteArray(14, 'x'));
    EXPECT_TRUE(code.Encode());
    EXPECT_TRUE(code.RefusalReason().isEmpty());
}

// In fixed alphanumeric mode a byte outside the table counts as "0".
TEST(QRCode, ForcedAlphanumericEncodesUnknownBytesAsZero)
{
    TQRCode lower;
    TQRCode zero;
    for (auto [code, payload] : {std::pair{&lower, "ab-c"}, std::pair{&zero, "00-0"}}) {
        code->SetAutoEncodeMode(false);
        code->SetEncodeMode('A');
        code->SetPayload(payload);
        ASSERT_TRUE(code->Encode());
    }
    EXPECT_TRUE(lower.Matrix() == zero.Matrix());
}

TEST(QRCode, AutomaticMaskHasTheLowestScore)
{
    const QByteArray payloads[] = {"MECARD:N:Lumarest;TEL:0312345678;;", "HELLO WORLD", QByteArray(300, '5')};
    for (const QByteArray& payload : payloads) {
        SCOPED_TRACE(payload.left(20).toStdString());
        std::vector<int> scores;
        TQRCode fixed;
        fixed.SetPayload(payload);
        fixed.SetAutoMask(false);
        for (int mask = 0; mask < kQRMaskCount; ++mask) {
            fixed.SetMaskNo(mask);
            ASSERT_TRUE(fixed.Encode());
            scores.push_back(EvaluateMask(fixed.Matrix()));
        }
        TQRCode automatic;
        automatic.SetPayload(payload);
        ASSERT_TRUE(automatic.Encode());
        const auto best = std::min_element(scores.begin(), scores.end()) - scores.begin();
        EXPECT_EQ(automatic.MaskNo(), best);
        fixed.SetMaskNo(static_cast<int>(best));
        fixed.Encode();
        EXPECT_TRUE(automatic.Matrix() == fixed.Matrix());
    }
}

TEST(QRCode, BitmapHasOnePixelPerModuleInsideTheQuietZone)
{
    for (const int mergin : {0, 4, 7}) {
        TQRCode code;
        code.SetPayload("https://example.com/");
        code.SetMergin(mergin);
        ASSERT_TRUE(code.Encode());
        const TQRMatrix& matrix = code.Matrix();
        const QImage& bitmap = code.ModuleBitmap();
        const int n = matrix.Size();
        ASSERT_EQ(bitmap.size(), QSize(n + 2 * mergin, n + 2 * mergin));
        EXPECT_EQ(bitmap.depth(), 24);
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) {
                const bool inside = x >= mergin && y >= mergin && x < n + mergin && y < n + mergin;
                const bool dark = inside && matrix.IsDark(x - mergin, y - mergin);
                ASSERT_EQ(bitmap.pixel(x, y), dark ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
            }
    }
}

TEST(QRCode, DrawEncodesOnlyAfterAChange)
{
    QImage image = CreateBitmap(QSize(100, 100), QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    TQRCode code;
    code.SetPayload("LUMAREST");
    code.SetMergin(0);
    code.Draw(canvas, TRect(0, 0, 21, 21));
    EXPECT_FALSE(code.IsChanged());
    const qint64 first = code.ModuleBitmap().cacheKey();
    code.Draw(canvas, TRect(0, 0, 21, 21));
    EXPECT_EQ(code.ModuleBitmap().cacheKey(), first);
    code.SetMergin(1);
    code.Draw(canvas, TRect(0, 0, 23, 23));
    EXPECT_NE(code.ModuleBitmap().cacheKey(), first);
    EXPECT_EQ(code.ModuleBitmap().width(), 23);
}

TEST(QRCode, DrawStretchesModulesIntoTheRectangle)
{
    QImage image = CreateBitmap(QSize(120, 120), QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    TQRCode code;
    code.SetPayload("LUMAREST");
    code.SetMergin(0);
    code.Draw(canvas, TRect(10, 10, 10 + 21 * 4, 10 + 21 * 4)); // version 1, 4 pixels a module
    const TQRMatrix& matrix = code.Matrix();
    ASSERT_EQ(matrix.Size(), 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            ASSERT_EQ(image.pixel(10 + 4 * x + 2, 10 + 4 * y + 2), matrix.IsDark(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(QRCode, DrawsNothingForARefusedPayload)
{
    QImage image = CreateBitmap(QSize(50, 50), QImage::Format_RGB32, 96);
    image.fill(Qt::red);
    const QImage before = image.copy();
    TMemoryCanvas canvas(image);
    TQRCode code;
    Fix(code, 'H', 1);
    code.SetPayload(QByteArray(100, 'x'));
    code.Draw(canvas, TRect(0, 0, 50, 50));
    EXPECT_FALSE(code.IsChanged());
    EXPECT_FALSE(code.RefusalReason().isEmpty());
    EXPECT_EQ(image, before);
}

TEST(QRCode, AssignCopiesPayloadSettingsSymbolAndChangedFlag)
{
    TQRCode source;
    source.SetPayload("COPY ME");
    Fix(source, 'H', 4);
    source.SetAutoMask(false);
    source.SetMaskNo(6);
    source.SetMergin(2);
    ASSERT_TRUE(source.Encode());
    source.SetAutoEncodeMode(false); // changed again, so the flag travels as set

    TQRCode target;
    target.Assign(source);
    EXPECT_EQ(target.Payload(), source.Payload());
    EXPECT_EQ(target.ErrorCorrectLevel(), 'H');
    EXPECT_FALSE(target.AutoVersion());
    EXPECT_EQ(target.Version(), 4);
    EXPECT_FALSE(target.AutoEncodeMode());
    EXPECT_EQ(target.EncodeMode(), 'A');
    EXPECT_EQ(target.MaskNo(), 6);
    EXPECT_EQ(target.Mergin(), 2);
    EXPECT_TRUE(target.IsChanged());
    EXPECT_EQ(target.ModuleBitmap(), source.ModuleBitmap());
    EXPECT_TRUE(target.Matrix() == source.Matrix());
}

// The settings are published properties, in the order the QR label objects stream them.
TEST(QRCode, PublishesItsSettingsAsProperties)
{
    QStringList names;
    for (const TPropInfo* property : TQRCode::StaticClassInfo().Properties())
        names << QLatin1String(property->Name);
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("EncodeMode AutoEncodeMode Version AutoVersion MaskNo AutoMask ErrorCorrectLevel Mergin"));

    TQRCode code;
    const TPropInfo* level = TQRCode::StaticClassInfo().FindProperty("ErrorCorrectLevel");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->Kind, TPropKind::Char);
    level->Set(code, std::int64_t{'H'});
    EXPECT_EQ(std::get<std::int64_t>(level->Get(code)), 'H');
    level->Set(code, std::int64_t{'X'}); // ignored as through the setter
    EXPECT_EQ(code.ErrorCorrectLevel(), 'H');
}
