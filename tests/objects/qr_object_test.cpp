#include "code_test_support.h"

#include "core/error.h"
#include "core/persistent/guid_bytes.h"
#include "core/stream/component_stream.h"
#include "graphics/picture/picture_limits.h"
#include "objects/codes/qr_std.h"
#include "platform/shift_jis.h"

#include <gtest/gtest.h>
#include <QtEndian>
#include <random>

namespace {

class QRObject : public testing::Test {
protected:
    void SetUp() override { RegisterCodeTestClasses(); }
};

bool AllWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

QByteArray Short(const char* name)
{
    return QByteArray(1, char(qstrlen(name))) + name;
}

void ExpectInOrder(const QByteArray& bytes, const std::vector<const char*>& names)
{
    qsizetype last = -1;
    for (const char* name : names) {
        const qsizetype at = bytes.indexOf(Short(name));
        EXPECT_GT(at, last) << name;
        last = at;
    }
}

std::unique_ptr<TLOQRStd> Contact()
{
    auto code = std::make_unique<TLOQRStd>();
    code->SetQRNameCommaDevide(true);
    code->SetQRName(QStringLiteral("ソ表 太郎"));
    code->SetQRFurigana(QStringLiteral("ソヒョウ タロウ"));
    code->SetQRTel1(QStringLiteral("03-1234-5678"));
    code->SetQREmail1(QStringLiteral("taro@example.jp"));
    return code;
}

} // namespace

TEST_F(QRObject, SymbolsDecodeToThePayloadBytesAtZeroNinetyAndThirtySeven)
{
    std::vector<std::unique_ptr<TLOQRStd>> codes;
    codes.push_back(Contact());
    {
        auto escapes = std::make_unique<TLOQRStd>();
        escapes->SetQRName(QStringLiteral("a;b:c,d\\e"));
        codes.push_back(std::move(escapes));
        auto bookmark = std::make_unique<TLOQRStd>();
        bookmark->SetQRKind(sqkURL);
        bookmark->SetQRType(sqtVodafone);
        bookmark->SetQRUrl(QStringLiteral("example.jp/band"));
        codes.push_back(std::move(bookmark));
        auto memory = Contact();
        memory->SetQRType(sqtVodafone);
        codes.push_back(std::move(memory));
        auto text = std::make_unique<TLOQRStd>();
        text->SetQRKind(sqkTEXT);
        text->QRText()->SetLines({QStringLiteral("新譜のお知らせ"), QStringLiteral("https://example.jp/")});
        codes.push_back(std::move(text));
    }
    for (const auto& code : codes) {
        ASSERT_FALSE(code->Payload().isEmpty());
        for (const int angle : {0, 90, 37}) {
            code->SetAngle(angle);
            const std::optional<QByteArray> read = DecodeWithZbar(RenderObject(*code, 254), true);
            ASSERT_TRUE(read) << DecodeShiftJIS(code->Payload()).toStdString() << " at " << angle;
            EXPECT_EQ(*read, code->Payload()) << "at " << angle;
        }
    }
    EXPECT_EQ(codes[1]->Payload(), QByteArray("MECARD:N:a\\;b\\:c\\,d\\\\e;;"));
}

TEST_F(QRObject, PayloadOverCapacityDrawsNothingAndSaysWhy)
{
    std::mt19937 random(7);
    QByteArray bytes(3000, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    TLOQRCode code;
    code.SetPayload(bytes);
    EXPECT_FALSE(code.Code().HasSymbol());
    EXPECT_FALSE(code.Code().RefusalReason().isEmpty());
    for (const int angle : {0, 90, 37}) {
        code.SetAngle(angle);
        EXPECT_TRUE(AllWhite(RenderObject(code, 254))) << angle;
    }
}

TEST_F(QRObject, QuarterTurnsTurnTheModulesExactly)
{
    auto code = Contact();
    code->SetBoundsRect({0, 0, 254, 254});
    const int side = code->Code().ModuleBitmap().width();
    // At a dpi giving whole pixels per module, the turned picture is the module bitmap
    // turned pixel for pixel.
    const int dpi = side * 4;
    QPoint origin;
    code->SetAngle(90);
    const QImage image = RenderObject(*code, dpi, 0, &origin);
    const QImage& modules = code->Code().ModuleBitmap();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            // Clockwise: the module at (x, y) lands at (side-1-y, x).
            const QRgb pixel = image.pixel(origin.x() + (side - 1 - y) * 4 + 2, origin.y() + x * 4 + 2);
            ASSERT_EQ(qGray(pixel) < 128, qGray(modules.pixel(x, y)) < 128) << x << "," << y;
        }
}

TEST_F(QRObject, TurnedPictureIsDroppedWhenTheSizeChanges)
{
    auto code = Contact();
    code->SetAngle(37);
    RenderObject(*code, 254);
    ASSERT_EQ(code->RotatedPicture().isNull(), false);
    const QSize before = code->RotatedPicture().size();
    code->SetBoundsRect({0, 0, 300, 300});
    EXPECT_TRUE(code->RotatedPicture().isNull());
    RenderObject(*code, 254);
    EXPECT_GT(code->RotatedPicture().width(), before.width());
    code->SetBoundsRect({50, 50, 350, 350}); // a move keeps it
    EXPECT_FALSE(code->RotatedPicture().isNull());
    code->SetErrorCorrectLevel('H');
    EXPECT_TRUE(code->RotatedPicture().isNull());
}

TEST_F(QRObject, TurnedPictureOfAHugeObjectStaysWithinThePictureLimit)
{
    auto code = Contact();
    code->SetBoundsRect({0, 0, 40000, 40000});
    code->SetAngle(37);
    const std::optional<QByteArray> read = DecodeWithZbar(RenderObject(*code, 8, 2000), true);
    const QImage& picture = code->RotatedPicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_LE(qint64(picture.width()) * picture.height(), MaxPicturePixels());
    EXPECT_EQ(read, code->Payload());
}

TEST_F(QRObject, QRCodeStreamsInOrderAndReadsBackByteIdentical)
{
    TLOQRCode code;
    code.SetBoundsRect({10, 10, 310, 310});
    code.SetAngle(45);
    code.SetErrorCorrectLevel('Q');
    code.SetAutoMask(false);
    code.SetMaskNo(3);
    code.SetMergin(2);
    code.SetPayload("HELLO 123");
    const QByteArray bytes = ComponentBytes(code);
    ExpectInOrder(bytes, {"Left", "Height", "Angle", "EncodeMode", "AutoEncodeMode", "Version", "AutoVersion", "MaskNo",
                          "AutoMask", "ErrorCorrectLevel", "Mergin", "QRData"});
    EXPECT_TRUE(bytes.contains(QByteArray("\x0d\0\0\0\x09\0\0\0HELLO 123", 17)));
    const auto read = ReadComponentBytes(bytes);
    auto* back = dynamic_cast<TLOQRCode*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Payload(), QByteArray("HELLO 123"));
    EXPECT_EQ(back->EncodeMode(), 'A');
    EXPECT_EQ(back->MaskNo(), 3);
    EXPECT_FALSE(back->Code().IsChanged()); // encoded once, after the whole record
    EXPECT_EQ(ComponentBytes(*back), bytes);
    TLOQRCode copy;
    copy.Assign(code);
    EXPECT_EQ(ComponentBytes(copy), bytes);
}

TEST_F(QRObject, QRDataCountsOutsideTheBlockOrTheLimitAreReadErrors)
{
    TLOQRCode code;
    code.SetPayload("ABC");
    const QByteArray bytes = ComponentBytes(code);
    const qsizetype at = bytes.indexOf(QByteArray("\x07\0\0\0\x03\0\0\0ABC", 11));
    ASSERT_GT(at, 0);
    auto patched = [&](std::int32_t count, const QByteArray& data) {
        QByteArray block(4, '\0');
        qToLittleEndian(count, block.data());
        block += data;
        QByteArray size(4, '\0');
        qToLittleEndian<std::int32_t>(static_cast<std::int32_t>(block.size()), size.data());
        return bytes.left(at) + size + block + bytes.mid(at + 11);
    };
    EXPECT_NO_THROW(ReadComponentBytes(patched(3, "ABC")));
    EXPECT_NO_THROW(ReadComponentBytes(patched(2, "ABC")));
    for (const auto& [count, data] : std::vector<std::pair<std::int32_t, QByteArray>>{
             {-1, "ABC"}, {4, "ABC"}, {INT32_MAX, "ABC"}, {kQRMaxPayloadBytes + 1, QByteArray(kQRMaxPayloadBytes + 1, 'A')}})
        EXPECT_THROW(ReadComponentBytes(patched(count, data)), EAppError) << count;
    EXPECT_THROW(ReadComponentBytes(bytes.left(at) + QByteArray("\x02\0\0\0\0\0", 6) + bytes.mid(at + 11)), EAppError);
}

TEST_F(QRObject, StdStreamsFieldsNotPayloadAndRebuildsItOnRead)
{
    auto code = Contact();
    code->SetQRTel2ID(4);
    code->SetQRUrlTitle(QStringLiteral("タイトル"));
    code->QRText()->SetLines({QStringLiteral("x")});
    const QByteArray bytes = ComponentBytes(*code);
    ExpectInOrder(bytes, {"Angle", "Mergin", "QRType", "QRNameCommaDevide", "QRName", "QRFurigana", "QRTel1", "QREmail1",
                          "QRTel2ID", "QRUrlTitle", "QRUrlTitleID", "QRUrlID", "QRText.Strings", "ProfileGuid"});
    for (const char* omitted : {"QRData", "QRFuriganaHankaku", "QRKind", "QRNameID", "QRTel2", "QRUrl"})
        EXPECT_FALSE(bytes.contains(Short(omitted))) << omitted;
    const auto read = ReadComponentBytes(bytes);
    auto* back = dynamic_cast<TLOQRStd*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Payload(), code->Payload());
    EXPECT_EQ(back->ProfileGuid(), code->ProfileGuid());
    EXPECT_EQ(back->QRTel2ID(), 4);
    EXPECT_FALSE(back->Code().IsChanged());
    EXPECT_EQ(ComponentBytes(*back), bytes);
    TLOQRStd copy;
    copy.Assign(*code);
    EXPECT_EQ(ComponentBytes(copy), bytes);
    EXPECT_NE(TLOQRStd().ProfileGuid(), code->ProfileGuid());
}

TEST_F(QRObject, StdAcceptsAStoredQRDataAndRebuildsItsPayload)
{
    TLOQRCode code;
    code.SetPayload("stored");
    QByteArray bytes = ComponentBytes(code);
    ASSERT_TRUE(bytes.contains(Short("TLOQRCode")));
    bytes.replace(Short("TLOQRCode"), Short("TLOQRStd"));
    std::unique_ptr<TComponent> read;
    ASSERT_NO_THROW(read = ReadComponentBytes(bytes));
    auto* contact = dynamic_cast<TLOQRStd*>(read.get());
    ASSERT_NE(contact, nullptr);
    EXPECT_TRUE(contact->Payload().isEmpty()); // built from its (empty) fields
    EXPECT_FALSE(ComponentBytes(*contact).contains(Short("QRData")));
}

TEST_F(QRObject, ProfileGuidOfAnotherSizeIsIgnored)
{
    TLOQRStd code;
    const QByteArray bytes = ComponentBytes(code);
    const QByteArray guid = GuidBytes(code.ProfileGuid());
    const qsizetype at = bytes.indexOf(QByteArray("\x10\0\0\0", 4) + guid);
    ASSERT_GT(at, 0);
    const QByteArray shorter = bytes.left(at) + QByteArray("\x04\0\0\0" "abcd", 8) + bytes.mid(at + 20);
    TLOQRStd read;
    const QUuid before = read.ProfileGuid();
    ReadComponentBytes(shorter, read);
    EXPECT_EQ(read.ProfileGuid(), before);
}

TEST_F(QRObject, AuObjectKeepsItsPayloadAndUnmappableCharactersEmptyIt)
{
    auto code = Contact();
    const QByteArray payload = code->Payload();
    code->SetQRType(sqtAU);
    code->SetQRName(QStringLiteral("changed"));
    EXPECT_EQ(code->Payload(), payload);
    code->SetQRType(sqtDoCoMo);
    code->SetQRName(QStringLiteral("😀"));
    EXPECT_EQ(code->UnmappableChars(), QStringLiteral("😀"));
    EXPECT_TRUE(code->Payload().isEmpty());
}
