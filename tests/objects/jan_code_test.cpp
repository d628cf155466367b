#include "code_test_support.h"

#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "objects/codes/jan_object.h"
#include "objects/codes/jan_symbol.h"
#include "text/point_based_font.h"

#include <gtest/gtest.h>

namespace {

class JANCode : public testing::Test {
protected:
    void SetUp() override { RegisterCodeTestClasses(); }
};

// Every first digit 0-9 (each EAN-13 parity pattern) and two EAN-8 codes.
const char* const kCodes[] = {"0012345678905", "1234567890128", "2000000000008", "3141592653582",
                              "4901234567894", "5012345678900", "6111111111111", "7894561230128",
                              "8765432109876", "9780201379624", "12345670", "96385074"};

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The modules of a rendered unturned symbol, sampled at each module's centre on one row.
QString SampledModules(const TLOJANCode& code, const QImage& image, QPoint origin, int dpi, int modules, double y)
{
    const TRect rect = code.BoundsRect();
    QString sampled;
    for (int i = 0; i < modules; ++i) {
        const double x = rect.Left + (i + 0.5) * RectWidth(rect) / modules;
        const int px = static_cast<int>(DevicePosition(x, dpi, origin.x()));
        const int py = static_cast<int>(DevicePosition(y, dpi, origin.y()));
        sampled += IsDark(image.pixel(px, py)) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return sampled;
}

std::unique_ptr<TLOJANCode> MakeCode(const QString& digits, int angle = 0, bool showNumber = true)
{
    auto code = std::make_unique<TLOJANCode>();
    code->SetBoundsRect({100, 100, 700, 300});
    code->SetJANCode(MakeJANCode(digits));
    code->SetAngle(angle);
    code->SetShowNumber(showNumber);
    return code;
}

} // namespace

TEST_F(JANCode, CheckDigitsValidationAndCompletion)
{
    struct Case {
        const char* Input;
        int Check;
        bool Valid;
        const char* Made;
    };
    const Case cases[] = {
        {"123456789012", 8, false, "1234567890128"}, {"1234567890128", 8, true, "1234567890128"},
        {"1234567890123", 8, false, "1234567890128"}, {"1234567", 0, false, "12345670"},
        {"12345670", 0, true, "12345670"},           {"4901234567894", 4, true, "4901234567894"},
        {"123456789", -1, false, ""},                {"1234567890", -1, false, ""},
        {"12345678901", -1, false, ""},              {"", -1, false, ""},
        {"12345a7890128", -1, false, ""},            {"1234567a", 0, false, "12345670"},
        {"１２３４５６７", -1, false, ""},
    };
    for (const Case& c : cases) {
        const QString input = QString::fromUtf8(c.Input);
        EXPECT_EQ(CalcJANCheckDigit(input), c.Check) << c.Input;
        EXPECT_EQ(IsValidJANCode(input), c.Valid) << c.Input;
        EXPECT_EQ(MakeJANCode(input), QString::fromLatin1(c.Made)) << c.Input;
    }
}

TEST_F(JANCode, LayoutMatchesZintForEveryParityPatternAndEAN8)
{
    for (const char* digits : kCodes) {
        const QString code = QString::fromLatin1(digits);
        ASSERT_TRUE(IsValidJANCode(code)) << digits;
        const TJANLayout layout = JANLayout(code);
        const QString modules = layout.ModuleString();
        ASSERT_EQ(modules.size(), code.size() == 13 ? kEAN13Modules : kEAN8Modules);
        EXPECT_EQ(modules.mid(kJANQuietModules, modules.size() - 2 * kJANQuietModules), ZintModules(code)) << digits;
        EXPECT_EQ(modules.left(kJANQuietModules), QString(kJANQuietModules, QLatin1Char('0')));
        EXPECT_EQ(modules.right(kJANQuietModules), QString(kJANQuietModules, QLatin1Char('0')));
    }
    EXPECT_TRUE(JANLayout(QStringLiteral("12345a78")).IsEmpty());
    EXPECT_TRUE(JANLayout(QStringLiteral("123456789")).IsEmpty());
}

TEST_F(JANCode, RenderedModulesEqualZintsAndQuietZonesStayWhite)
{
    constexpr int kDpi = 600;
    for (const char* digits : kCodes) {
        const auto code = MakeCode(QString::fromLatin1(digits));
        QPoint origin;
        const QImage image = RenderObject(*code, kDpi, 100, &origin);
        const int modules = code->JANCode().size() == 13 ? kEAN13Modules : kEAN8Modules;
        const QString sampled = SampledModules(*code, image, origin, kDpi, modules, 110);
        EXPECT_EQ(sampled.mid(kJANQuietModules, modules - 2 * kJANQuietModules), ZintModules(code->JANCode()))
            << digits;
        // Quiet zones white over the whole bar height (the first digit sits lower down).
        const TRect rect = code->BoundsRect();
        for (double y = rect.Top + 1; y < rect.Top + 120; y += 10) {
            const QString row = SampledModules(*code, image, origin, kDpi, modules, y);
            EXPECT_EQ(row.left(kJANQuietModules), QString(kJANQuietModules, QLatin1Char('0'))) << digits;
            EXPECT_EQ(row.right(kJANQuietModules), QString(kJANQuietModules, QLatin1Char('0'))) << digits;
        }
    }
}

TEST_F(JANCode, ModuleEdgesAreExactFractionsOnDevicePixels)
{
    // 109 modules over 601 units: 5.51... units each, so rounding module edges to whole
    // units would put some bars most of a unit off.
    constexpr int kDpi = 1200;
    auto code = MakeCode(QStringLiteral("490123456789"), 0, false);
    code->SetBoundsRect({0, 0, 601, 200});
    QPoint origin;
    const QImage image = RenderObject(*code, kDpi, 20, &origin);
    const QString modules = JANLayout(code->JANCode()).ModuleString();
    const int y = static_cast<int>(DevicePosition(100, kDpi, origin.y()));
    int checked = 0;
    for (int px = static_cast<int>(DevicePosition(0, kDpi, origin.x())); px < DevicePosition(601, kDpi, origin.x()); ++px) {
        const double logical = (px + 0.5 - origin.x()) * 254.0 / kDpi;
        const double module = logical * kEAN13Modules / 601;
        if (std::abs(module - std::round(module)) < 0.02)
            continue; // a pixel centre on an edge may go either way
        const int index = static_cast<int>(module);
        if (index < 0 || index >= kEAN13Modules)
            continue;
        EXPECT_EQ(IsDark(image.pixel(px, y)), modules[index] == QLatin1Char('1')) << "pixel " << px;
        ++checked;
    }
    EXPECT_GT(checked, 2500);
}

TEST_F(JANCode, ExportedSymbolsDecodeAtZeroNinetyAndThirtySevenDegrees)
{
    for (const char* digits : {"490123456789", "978020137962", "1234567", "501234567890"})
        for (const int angle : {0, 90, 37}) {
            const auto code = MakeCode(QString::fromLatin1(digits), angle);
            // A scanner reads along rows: turned by 37 degrees, the bars must be tall
            // enough for a row to cross the whole symbol.
            code->SetBoundsRect({100, 100, 500, 450});
            const std::optional<QByteArray> read = DecodeWithZbar(RenderObject(*code, 600), false);
            ASSERT_TRUE(read) << digits << " at " << angle;
            EXPECT_EQ(QString::fromLatin1(*read), code->JANCode()) << digits << " at " << angle;
        }
}

TEST_F(JANCode, StoredNonDigitsOrWrongLengthDrawNothing)
{
    for (const char* stored : {"49012345678a4", "1234567a", "123456789", ""}) {
        TLOJANCode code;
        code.SetJANCode(QString::fromLatin1(stored));
        code.SetShowFrame(true);
        const QImage image = RenderObject(code, 254);
        QImage white(image.size(), image.format());
        white.fill(Qt::white);
        EXPECT_EQ(image, white) << stored;
        EXPECT_TRUE(code.HitTest({150, 50})) << "selectable by its rectangle";
    }
}

TEST_F(JANCode, DigitsTallerThanTheSymbolNeverTurnTheBarsOver)
{
    auto code = MakeCode(QStringLiteral("490123456789"));
    code->SetBoundsRect({100, 100, 700, 150}); // 5 mm high
    TPointBasedFont font;
    font.SetSize(72);
    code->SetFont(font);
    QPoint origin;
    const QImage image = RenderObject(*code, 254, 100, &origin);
    const int top = static_cast<int>(DevicePosition(100, 254, origin.y()));
    for (int y = 0; y < top; ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_FALSE(IsDark(image.pixel(x, y))) << "dark above the symbol at " << x << "," << y;
}

TEST_F(JANCode, WithoutDigitsBarsRunFullHeightAndFrameSitsOutside)
{
    constexpr int kDpi = 254;
    auto code = MakeCode(QStringLiteral("490123456789"), 0, false);
    QPoint origin;
    QImage image = RenderObject(*code, kDpi, 100, &origin);
    const QString top = SampledModules(*code, image, origin, kDpi, kEAN13Modules, 101);
    const QString bottom = SampledModules(*code, image, origin, kDpi, kEAN13Modules, 298);
    EXPECT_EQ(top, bottom);
    EXPECT_EQ(top, JANLayout(code->JANCode()).ModuleString());

    // The frame is 3 units of black at the edge, the symbol 10 units inside it.
    code->SetShowFrame(true);
    image = RenderObject(*code, kDpi, 100, &origin);
    auto dark = [&](double x, double y) {
        return IsDark(image.pixel(static_cast<int>(DevicePosition(x, kDpi, origin.x())),
                                  static_cast<int>(DevicePosition(y, kDpi, origin.y()))));
    };
    EXPECT_TRUE(dark(101, 200));
    EXPECT_TRUE(dark(698, 200));
    EXPECT_TRUE(dark(400, 101));
    EXPECT_FALSE(dark(104.5, 200));
    // The start guard's first bar: module 7 of the shrunken width.
    const double inner = 110 + 7.5 * 580 / kEAN13Modules;
    EXPECT_TRUE(dark(inner, 200));
    EXPECT_FALSE(dark(110 + 6.5 * 580 / kEAN13Modules, 200));
}

TEST_F(JANCode, BoundsHitTestAndResizeFollowTheTurn)
{
    TLOJANCode code;
    code.SetBoundsRect({0, 0, 300, 100});
    code.SetAngle(90);
    EXPECT_EQ(code.GetBounds(), TRect(100, -100, 200, 200));
    EXPECT_TRUE(code.HitTest({150, -90}));
    EXPECT_FALSE(code.HitTest({10, 50}));
    // Doubling the bounding height at a quarter turn doubles the symbol's width.
    code.Resize(100, 600);
    EXPECT_EQ(RectWidth(code.BoundsRect()), 600);
    EXPECT_EQ(RectHeight(code.BoundsRect()), 100);
    code.SetAngle(0);
    code.Resize(400, 120);
    EXPECT_EQ(code.BoundsRect(), TRect(0, 0, 400, 120));
}

TEST_F(JANCode, StreamsInOrderAndReadsBackByteIdentical)
{
    TLOJANCode code;
    code.SetBoundsRect({10, 20, 410, 170});
    code.SetAngle(-30);
    code.SetJANCode(QStringLiteral("4901234567894"));
    TColorSpec red;
    red.SetColor(clRed);
    code.SetLineColor(red);
    code.SetShowNumber(false);
    code.SetShowFrame(true);
    const QByteArray bytes = ComponentBytes(code);
    qsizetype last = -1;
    for (const char* name : {"Left", "Top", "Width", "Height", "Angle", "JANCode", "Font.Color", "ShowNumber", "ShowFrame"}) {
        const qsizetype at = bytes.indexOf(QByteArray(1, char(qstrlen(name))) + name);
        EXPECT_GT(at, last) << name;
        last = at;
    }
    const auto read = ReadComponentBytes(bytes);
    auto* back = dynamic_cast<TLOJANCode*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Angle(), -30);
    EXPECT_EQ(back->Font().Color(), clRed);
    EXPECT_EQ(back->LineColor().Color(), clRed);
    EXPECT_EQ(ComponentBytes(*back), bytes);

    TLOJANCode copy;
    copy.Assign(code);
    EXPECT_EQ(ComponentBytes(copy), bytes);
}
