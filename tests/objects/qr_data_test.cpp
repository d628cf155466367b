#include "objects/qr/qr_data.h"
#include "objects/qr/qr_interleave.h"

#include <gtest/gtest.h>

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex().toStdString();
}

} // namespace

TEST(QRData, ChoosesModeFromPayload)
{
    struct Case { const char* payload; TQRMode mode; };
    const Case cases[] = {
        {"", TQRMode::Byte},
        {"12345678", TQRMode::Numeric},
        {"AB-12", TQRMode::Alphanumeric},
        {"HELLO WORLD", TQRMode::Alphanumeric},
        {"$%*+-./:", TQRMode::Alphanumeric},
        {"HELLO wORLD", TQRMode::Byte}, // one lower-case letter anywhere
        {"a", TQRMode::Byte},
        {"123#", TQRMode::Byte},        // "#" has no alphanumeric value
        {"ABC_", TQRMode::Byte},        // nor has "_"
        {"\x82\xa0", TQRMode::Byte},    // Shift-JIS text
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectEncodeMode(c.payload), c.mode) << c.payload;
}

// The worked example of the standard: "01234567" at version 1-M.
TEST(QRData, EncodesTheStandardsExampleCodewords)
{
    const std::vector<std::uint8_t> data = QRDataCodewords("01234567", TQRMode::Numeric, 1, TQRLevel::M);
    EXPECT_EQ(Hex(data), "10200c566180ec11ec11ec11ec11ec11");
    EXPECT_EQ(Hex(QRInterleavedCodewords(data, 1, TQRLevel::M)), "10200c566180ec11ec11ec11ec11ec11a524d4c1ed36c7872c55");
}
