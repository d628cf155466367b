// The stored form of the text object: the property sequence of typical objects, faithful
// read-back, old class names and the rules applied to older documents.
#include "stream_listing.h"
#include "text_object_fixture.h"

#include "core/persistent/component.h"
#include "core/persistent/string_list.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "text/distortion/coons_distortion.h"
#include "text/point_based_font.h"
#include "text/simple_text.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<QByteArray>;

// The properties every text object starts with (the rectangle and the label-object flags).
const Names kHead = {"Left", "Top", "Width", "Height", "Border", "LayerGroup", "DontPrint", "Version"};

Names Concat(const Names& head, const Names& tail)
{
    Names all = head;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
}

const Names kFont = {"Font.Charset", "Font.Color", "Font.Name", "Font.Size"};

void ExpectFaithful(const TLOText& text)
{
    const QByteArray bytes = ComponentBytes(text);
    TLOText back;
    ReadComponentBytes(bytes, back);
    EXPECT_EQ(ComponentBytes(back), bytes);
}

TEST(TextObjectStream, ANewObjectStoresItsDefaultsWithShadowZero)
{
    TLOText text;
    const QByteArray bytes = ComponentBytes(text);
    EXPECT_EQ(PropertyNames(bytes),
              Concat(Concat(kHead, kFont), {"Align", "Vertical", "CharSpacing", "LineSpacing", "Angle", "DistortionRatio",
                                            "Outline", "OutLineWidth", "Shadow", "AutoSize", "Bulge", "FieldNo",
                                            "FieldType", "HanToZen", "NumToKnj", "MinusExc"}));
    EXPECT_EQ(PropertyValue(bytes, "Version"), QStringLiteral("1"));
    EXPECT_EQ(PropertyValue(bytes, "Font.Size"), QStringLiteral("24"));
    EXPECT_EQ(PropertyValue(bytes, "DistortionRatio"), QStringLiteral("100"));
    EXPECT_EQ(PropertyValue(bytes, "Shadow"), QStringLiteral("0"));
    EXPECT_EQ(ClassNameOf(bytes), "TLOText");
    ExpectFaithful(text);
}

TEST(TextObjectStream, EveryPropertySetIsStoredInOrderAndReadBackExactly)
{
    TLOText text;
    FillEveryProperty(text);
    const QByteArray bytes = ComponentBytes(text);
    const Names names = PropertyNames(bytes);
    const Names expected = Concat(
        {"Left", "Top", "Width", "Height", "Border", "LayerGroup", "DontPrint", "BlendRatio", "BlendShade", "Version",
         "Text.Strings", "Font.Charset", "Font.Color", "Font.Name", "Font.Size", "Font.Style", "Align", "Vertical",
         "CharSpacing", "LineSpacing", "Angle", "CoonsDistortion.Data", "DistortionRatio", "TextColor.Color",
         "Outline", "OutlineColor.Color", "OutLineWidth", "ShadowOffsetX", "ShadowOffsetY", "ShadowColor.Color",
         "AutoSize", "Bulge", "FieldNo", "FieldType", "HanToZen", "NumToKnj", "MinusExc", "FeedAngle"},
        {"wizInputEnable", "wizInputCaption", "ShadeShadowEnable", "ShadeShadowSize", "ShadeShadowBold"});
    EXPECT_EQ(names, expected);
    EXPECT_EQ(PropertyValue(bytes, "FieldType"), QStringLiteral("ftCreatorEnglish"));
    EXPECT_EQ(PropertyValue(bytes, "Angle"), QStringLiteral("330"));
    EXPECT_EQ(PropertyValue(bytes, "ShadowOffsetX"), QStringLiteral("5"));

    TLOText back;
    ReadComponentBytes(bytes, back);
    EXPECT_EQ(ComponentBytes(back), bytes);
    EXPECT_EQ(back.Text()->Lines(), text.Text()->Lines());
    EXPECT_EQ(back.BoundsRect(), text.BoundsRect());
    EXPECT_EQ(back.CoonsDistortion()->Data(), text.CoonsDistortion()->Data());
    EXPECT_TRUE(back.WizInputEnable());
    EXPECT_EQ(back.WizInputCaption(), text.WizInputCaption());
    EXPECT_EQ(back.ShadeShadowSize(), 12);
    EXPECT_TRUE(back.ShadeShadowBold());
}

TEST(TextObjectStream, ShadowIsStoredAsPresetOrAsOffsets)
{
    struct Case {
        int x, y;
        const char* shadow; // the stored preset, or nullptr for stored offsets
    };
    const Case cases[] = {{7, 0, "5"}, {-7, -7, "1"}, {0, 7, "7"}, {5, 5, nullptr}, {0, 5, nullptr}, {7, 1, nullptr}};
    for (const Case& c : cases) {
        TLOText text;
        text.SetShadowOffsetX(c.x);
        text.SetShadowOffsetY(c.y);
        const QByteArray bytes = ComponentBytes(text);
        if (c.shadow) {
            EXPECT_EQ(PropertyValue(bytes, "Shadow"), QString::fromLatin1(c.shadow)) << c.x << "," << c.y;
            EXPECT_TRUE(PropertyValue(bytes, "ShadowOffsetX").isNull());
            EXPECT_TRUE(PropertyValue(bytes, "ShadowOffsetY").isNull());
        } else {
            EXPECT_TRUE(PropertyValue(bytes, "Shadow").isNull()) << c.x << "," << c.y;
            EXPECT_EQ(PropertyValue(bytes, "ShadowOffsetX"), QString::number(c.x));
            EXPECT_EQ(PropertyValue(bytes, "ShadowOffsetY"), QString::number(c.y));
            EXPECT_EQ(text.Shadow(), kCustomShadow);
        }
        ExpectFaithful(text);
    }
}

TEST(TextObjectStream, ShadowPresetsCopyTheirOffsetsAndOtherValuesChangeNothing)
{
    TLOText text;
    text.SetShadow(8);
    EXPECT_EQ(text.ShadowOffsetX(), 7);
    EXPECT_EQ(text.ShadowOffsetY(), 7);
    text.SetShadow(9);
    text.SetShadow(-1);
    EXPECT_EQ(text.Shadow(), 8);
    text.SetShadow(0);
    EXPECT_TRUE(text.IsShadowOff());
}

TEST(TextObjectStream, ADistortionIsStoredOnlyWhenSetAndRoundTripsByteForByte)
{
    TLOText text;
    text.SetBoundsRect({0, 0, 600, 200});
    EXPECT_TRUE(PropertyValue(ComponentBytes(text), "CoonsDistortion.Data").isNull());
    SetTrapezoid(*text.CoonsDistortion());
    text.SetDistortionRatio(80);
    const QByteArray bytes = ComponentBytes(text);
    const Names names = PropertyNames(bytes);
    const auto at = std::find(names.begin(), names.end(), QByteArray("CoonsDistortion.Data"));
    ASSERT_NE(at, names.end());
    EXPECT_EQ(*(at - 1), "Angle");
    EXPECT_EQ(*(at + 1), "DistortionRatio");
    EXPECT_EQ(PropertyValue(bytes, "CoonsDistortion.Data"), QString::fromLatin1(text.CoonsDistortion()->Data().toHex()));

    TLOText back;
    ReadComponentBytes(bytes, back);
    EXPECT_EQ(back.CoonsDistortion()->Data(), text.CoonsDistortion()->Data());
    EXPECT_EQ(back.CoonsDistortion()->Id(), text.CoonsDistortion()->Id());
    EXPECT_TRUE(back.IsDistorted());
    EXPECT_EQ(ComponentBytes(back), bytes);
}

TEST(TextObjectStream, OlderClassNamesAreReadAsTheTextObject)
{
    RegisterTextClasses();
    for (const char* name : {"TLOText", "TLOShadeText", "TLOWizardText", "TLOTextPaste"}) {
        const std::unique_ptr<TComponent> object = CreateObjectByClassName(name);
        ASSERT_TRUE(object) << name;
        EXPECT_EQ(object->ClassName(), QStringLiteral("TLOText"));
        EXPECT_TRUE(dynamic_cast<TLOShadeText*>(object.get()));
    }
}

TEST(TextObjectStream, AngleIsKeptWithinATurnAndDiagonalAlignSetsTheFeedAngle)
{
    TLOText text;
    text.SetAngle(-30);
    EXPECT_EQ(text.Angle(), 330);
    struct Case {
        int diagonal, feed;
    };
    for (const Case c : {Case{1, 45}, Case{4, 45}, Case{2, -45}, Case{3, -45}, Case{0, 0}}) {
        TLOText read;
        WithProperty(read, "DiagonalAlign", c.diagonal);
        EXPECT_EQ(read.FeedAngle(), c.feed) << c.diagonal;
        EXPECT_FALSE(ComponentBytes(read).contains("DiagonalAlign"));
    }
}

TEST(TextObjectStream, OlderDocumentsAreSettledWhenLoaded)
{
    // Outline without a width gets one unit.
    {
        TLOText text;
        text.SetOutline(true);
        QByteArray bytes = ComponentBytes(text);
        TLOText back;
        ReadComponentBytes(bytes, back);
        EXPECT_EQ(back.OutLineWidth(), 1);
    }
    // Version 0 with a bulge: centred, no spacing, one line; vertical text gets a square and
    // turns back a quarter.
    for (const bool vertical : {false, true}) {
        TLOText text;
        text.Text()->SetLines({QStringLiteral("one"), QStringLiteral("two")});
        text.SetBoundsRect({100, 100, 500, 300});
        text.SetVertical(vertical);
        text.SetBoundsRect({100, 100, 500, 300});
        text.SetBulge(40);
        text.SetCharSpacing(5);
        text.SetAngle(10);
        TLOText back;
        ReadComponentBytes(WithoutVersion(ComponentBytes(text)), back);
        EXPECT_EQ(back.Align(), 1);
        EXPECT_EQ(back.CharSpacing(), 0);
        EXPECT_EQ(back.Text()->Lines(), QStringList{QStringLiteral("one")});
        EXPECT_EQ(back.BoundsRect(), vertical ? TRect(100, 0, 500, 400) : TRect(100, 100, 500, 300));
        EXPECT_EQ(back.Angle(), vertical ? 280 : 10);
        // Written back, the object is a current one.
        EXPECT_EQ(PropertyValue(ComponentBytes(back), "Version"), QStringLiteral("1"));
    }
    // The same at version 1 is left alone.
    {
        TLOText text;
        text.Text()->SetLines({QStringLiteral("one"), QStringLiteral("two")});
        text.SetBulge(40);
        TLOText back;
        ReadComponentBytes(ComponentBytes(text), back);
        EXPECT_EQ(back.Text()->Count(), 2);
    }
    // Older circular layouts become a bulge over a square on the shorter side.
    for (const int align : {4, 5}) {
        TLOText text;
        text.SetBoundsRect({0, 0, 1000, 600});
        text.SetAlign(align);
        TLOText back;
        ReadComponentBytes(ComponentBytes(text), back);
        const int h = back.CellHeight();
        EXPECT_EQ(back.Bulge(), align == 4 ? (600 - h) / 2 : (h - 600) / 2);
        EXPECT_EQ(back.BoundsRect(), TRect(200, 0, 800, 600).Inflated(-(h / 2), -(h / 2)));
    }
}

TEST(TextObjectStream, AssignCopiesEverythingInOneChange)
{
    TLOText source;
    FillEveryProperty(source);
    TLOText target;
    int changes = 0;
    TListener listener([&](TObject*, const TNotifyId& id) { changes += id == notify::ObjectChanged; });
    listener.Attach(&target.Notifier());
    target.Assign(source);
    listener.Detach(&target.Notifier());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ComponentBytes(target), ComponentBytes(source));
}

} // namespace
