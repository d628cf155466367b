#include "core/error.h"
#include "graphics/color/gradation_colors.h"
#include "support/notifications.h"

#include <gtest/gtest.h>

namespace {

using testsupport::NotificationsDuring;

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray data;
    for (int value : values)
        data.append(char(value));
    return data;
}

void ExpectInvalid(const QByteArray& data)
{
    try {
        DecodeGradationColors(data);
        ADD_FAILURE() << "accepted " << data.toHex().toStdString();
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("不正なプロパティの値です"));
    }
}

} // namespace

TEST(GradationColors, NewListRunsWhiteToBlackOnce)
{
    TGradationColors colors;
    EXPECT_EQ(colors.Colors(), (std::vector<TColor>{0xFFFFFF, 0x000000}));
    EXPECT_EQ(colors.RepeatCount(), 1);
    EXPECT_TRUE(colors.IsDefaultList());
    EXPECT_EQ(colors.ExpandColors(), colors.Colors());
}

TEST(GradationColors, ExpandRepeatsTheList)
{
    TGradationColors colors;
    colors.SetColors({0x0000FF, 0xFF0000});
    colors.SetRepeatCount(3);
    EXPECT_EQ(colors.ExpandColors(),
              (std::vector<TColor>{0x0000FF, 0xFF0000, 0x0000FF, 0xFF0000, 0x0000FF, 0xFF0000}));
    colors.SetRepeatCount(0);
    EXPECT_TRUE(colors.ExpandColors().empty());
    colors.SetRepeatCount(-5);
    EXPECT_TRUE(colors.ExpandColors().empty());
    // A repeat count read from a damaged document stays, but spreads no more than the bound.
    colors.SetRepeatCount(INT_MAX);
    EXPECT_EQ(colors.RepeatCount(), INT_MAX);
    EXPECT_EQ(colors.ExpandColors().size(), std::size_t(2 * TGradationColors::kMaxRepeatCount));
}

TEST(GradationColors, ChangesAreAnnouncedOnlyWhenSomethingDiffers)
{
    TGradationColors colors;
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.SetColor(0, 0xFFFFFF); }), 0);
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.SetColor(0, 0x123456); }), 1);
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.SetColorCount(2); }), 0);
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.SetColorCount(4); }), 1);
    EXPECT_EQ(colors.Colors(), (std::vector<TColor>{0x123456, 0, 0, 0}));
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.ReverseColors(); }), 1);
    EXPECT_EQ(colors.Colors(), (std::vector<TColor>{0, 0, 0, 0x123456}));
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.SetRepeatCount(1); }), 0);

    TGradationColors other;
    other.SetColors({1, 2, 3});
    other.SetRepeatCount(4);
    EXPECT_EQ(NotificationsDuring(colors, [&] { colors.Assign(other); }), 1);
    EXPECT_EQ(colors.Colors(), other.Colors());
    EXPECT_EQ(colors.RepeatCount(), 4);
}

TEST(GradationColors, OutOfRangeIsARangeError)
{
    TGradationColors colors;
    for (const auto& action : std::vector<std::function<void()>>{
             [&] { colors.Color(2); }, [&] { colors.Color(-1); }, [&] { colors.SetColor(2, 0); },
             [&] { colors.SetColorCount(-1); }, [&] { colors.SetColorCount(TGradationColors::kMaxColors + 1); }}) {
        try {
            action();
            ADD_FAILURE() << "no range error";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("範囲チェック エラー"));
        }
    }
    EXPECT_EQ(colors.Count(), 2);
}

TEST(GradationColors, BinaryForm)
{
    const std::vector<TColor> colors{0x0000FF, -16777201, 0x1FFFFFFF};
    const QByteArray data = EncodeGradationColors(colors);
    EXPECT_EQ(data, Bytes({3, 0, 0, 0, 0xFF, 0, 0, 0, 0x0F, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x1F}));
    EXPECT_EQ(DecodeGradationColors(data), colors);
    EXPECT_TRUE(DecodeGradationColors(Bytes({0, 0, 0, 0})).empty());
}

TEST(GradationColors, BinaryCountIsCheckedAgainstTheData)
{
    ExpectInvalid(QByteArray());
    ExpectInvalid(Bytes({1, 0, 0}));
    ExpectInvalid(Bytes({2, 0, 0, 0, 1, 2, 3, 4}));          // one colour short
    ExpectInvalid(Bytes({1, 0, 0, 0, 1, 2, 3, 4, 5}));       // a stray byte
    ExpectInvalid(Bytes({0xFF, 0xFF, 0xFF, 0xFF}));          // negative count
    ExpectInvalid(Bytes({0xFF, 0xFF, 0xFF, 0x3F}));          // a count that would overflow
    QByteArray many = EncodeGradationColors(std::vector<TColor>(TGradationColors::kMaxColors + 1, 0));
    ExpectInvalid(many);
}
