// The encoder's symbols compared module for module with libqrencode's for the same
// payload, mode, version, level and mask.
#include "objects/qr/qr_code.h"
#include "objects/qr/qr_mask.h"

#include <gtest/gtest.h>
#include <qrencode.h>

#include <memory>
#include <random>

// Exported by libqrencode but declared only in its internal header: encodes with a fixed
// mask (or chooses one for mask -1).
extern "C" QRcode* QRcode_encodeMask(QRinput* input, int mask);

namespace {

constexpr char kLevelNames[] = "LMQH";

struct TPeerSymbol {
    int Version = 0;
    TQRMatrix Matrix;
};

QRencodeMode PeerMode(TQRMode mode)
{
    switch (mode) {
    case TQRMode::Numeric:
        return QR_MODE_NUM;
    case TQRMode::Alphanumeric:
        return QR_MODE_AN;
    case TQRMode::Byte:
        break;
    }
    return QR_MODE_8;
}

// libqrencode's symbol; version 0 lets it choose the smallest version.
TPeerSymbol PeerSymbol(const QByteArray& payload, TQRMode mode, int version, TQRLevel level, int mask)
{
    std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(version, static_cast<QRecLevel>(level)),
                                                           &QRinput_free);
    EXPECT_NE(input, nullptr);
    if (!input)
        return {};
    EXPECT_EQ(QRinput_append(input.get(), PeerMode(mode), static_cast<int>(payload.size()),
                             reinterpret_cast<const unsigned char*>(payload.constData())),
              0);
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeMask(input.get(), mask), &QRcode_free);
    EXPECT_NE(code, nullptr);
    if (!code)
        return {};
    TPeerSymbol symbol{code->version, TQRMatrix(code->width)};
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            symbol.Matrix.Set(x, y, code->data[y * code->width + x] & 1);
    return symbol;
}

// Our symbol with every setting fixed.
const TQRMatrix& OurMatrix(TQRCode& code, const QByteArray& payload, TQRMode mode, int version, TQRLevel level, int mask)
{
    code.SetPayload(payload);
    code.SetAutoEncodeMode(false);
    code.SetEncodeMode(static_cast<char>(mode));
    code.SetAutoVersion(false);
    code.SetVersion(version);
    code.SetErrorCorrectLevel(kLevelNames[static_cast<int>(level)]);
    code.SetAutoMask(false);
    code.SetMaskNo(mask);
    EXPECT_TRUE(code.Encode()) << code.RefusalReason().toStdString();
    return code.Matrix();
}

// Only the colours count: libqrencode marks function modules differently.
TQRMatrix ColoursOnly(const TQRMatrix& matrix)
{
    TQRMatrix colours(matrix.Size());
    for (int y = 0; y < matrix.Size(); ++y)
        for (int x = 0; x < matrix.Size(); ++x)
            colours.Set(x, y, matrix.IsDark(x, y));
    return colours;
}

// `length` characters of the mode, from a fixed seed.
QByteArray Payload(TQRMode mode, int length, unsigned seed)
{
    static const QByteArray kAlphanumeric = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";
    std::mt19937 random(seed);
    QByteArray payload(length, '\0');
    for (char& c : payload) {
        switch (mode) {
        case TQRMode::Numeric:
            c = static_cast<char>('0' + random() % 10);
            break;
        case TQRMode::Alphanumeric:
            c = kAlphanumeric[static_cast<qsizetype>(random() % 45)];
            break;
        case TQRMode::Byte:
            c = static_cast<char>(random() % 256);
            break;
        }
    }
    return payload;
}

// The most characters of the mode that the version holds at the level.
int LargestFitting(TQRMode mode, int version, TQRLevel level)
{
    int length = 0;
    while (QRSegmentFits(mode, length + 1, version, level))
        ++length;
    return length;
}

void ExpectSameSymbol(const QByteArray& payload, TQRMode mode, int version, TQRLevel level, int mask)
{
    SCOPED_TRACE(testing::Message() << "mode " << static_cast<char>(mode) << " version " << version << " level "
                                    << kLevelNames[static_cast<int>(level)] << " mask " << mask << " length "
                                    << payload.size());
    TQRCode code;
    const TQRMatrix& ours = OurMatrix(code, payload, mode, version, level, mask);
    const TPeerSymbol peer = PeerSymbol(payload, mode, version, level, mask);
    ASSERT_EQ(peer.Version, version);
    EXPECT_TRUE(ColoursOnly(ours) == peer.Matrix);
}

constexpr TQRMode kModes[] = {TQRMode::Numeric, TQRMode::Alphanumeric, TQRMode::Byte};
constexpr TQRLevel kLevels[] = {TQRLevel::L, TQRLevel::M, TQRLevel::Q, TQRLevel::H};

} // namespace

// Versions that bring in version information (7), the wider counts (10 and 27), the last
// version of each count width (9, 26), alignment grids of every size, two block sizes and
// remainder bits; every mode at every level, full and partly filled, the masks in turn.
TEST(QRPeer, MatricesEqualLibqrencodeAcrossModesVersionsLevelsAndMasks)
{
    const int versions[] = {1, 2, 6, 7, 9, 10, 26, 27, 40};
    int mask = 0;
    unsigned seed = 1;
    for (const int version : versions)
        for (const TQRLevel level : kLevels)
            for (const TQRMode mode : kModes) {
                const int largest = LargestFitting(mode, version, level);
                for (const int length : {largest, largest / 3}) {
                    ExpectSameSymbol(Payload(mode, length, seed++), mode, version, level, mask);
                    mask = (mask + 1) % kQRMaskCount;
                }
            }
}

// Every block layout and alignment grid of the tables.
TEST(QRPeer, EveryVersionAndLevelMatchesLibqrencode)
{
    for (int version = kQRMinVersion; version <= kQRMaxVersion; ++version)
        for (const TQRLevel level : kLevels) {
            const int mask = (version + static_cast<int>(level)) % kQRMaskCount;
            const int length = LargestFitting(TQRMode::Byte, version, level);
            ExpectSameSymbol(Payload(TQRMode::Byte, length, static_cast<unsigned>(version * 4 + static_cast<int>(level))),
                             TQRMode::Byte, version, level, mask);
        }
}

// The capacity rule picks the same smallest version as libqrencode, at both sides of
// every version boundary.
TEST(QRPeer, AutomaticVersionEqualsLibqrencodes)
{
    for (const TQRLevel level : kLevels)
        for (const TQRMode mode : kModes)
            for (int version = kQRMinVersion; version <= kQRMaxVersion; ++version) {
                const int largest = LargestFitting(mode, version, level);
                for (const int length : {largest, largest + 1}) {
                    const QByteArray payload = Payload(mode, length, static_cast<unsigned>(length));
                    const int ours = SelectQRVersion(mode, length, level);
                    if (ours == 0) {
                        EXPECT_EQ(version, kQRMaxVersion);
                        continue;
                    }
                    EXPECT_EQ(ours, PeerSymbol(payload, mode, 0, level, 0).Version)
                        << static_cast<char>(mode) << " " << kLevelNames[static_cast<int>(level)] << " " << length;
                }
            }
}
