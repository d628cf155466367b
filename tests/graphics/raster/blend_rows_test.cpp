// The vectorised blend loop against the table-driven reference, byte for byte.
#include "graphics/raster/blend_rows.h"
#include "graphics/raster/cpu_features.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

void ExpectSameAsReference(const Bytes& destination, const Bytes& source, const Bytes& alpha, int offset, int count,
                           int bytesPerPixel, int ratio)
{
    const TBlendLevels levels(ratio);
    Bytes reference = destination;
    Bytes vectorised = destination;
    BlendRowReference(reference.data() + offset, source.data() + offset, alpha.data() + offset % 7, count,
                      bytesPerPixel, levels);
    BlendRowAvx2(vectorised.data() + offset, source.data() + offset, alpha.data() + offset % 7, count, bytesPerPixel,
                 levels);
    ASSERT_EQ(vectorised, reference) << "count " << count << " offset " << offset << " bytes " << bytesPerPixel
                                     << " ratio " << ratio;
}

} // namespace

// Every (source, destination, alpha) triple, at every ratio step that changes the alpha rows.
TEST(BlendRows, VectorLoopMatchesReferenceExhaustively)
{
    if (!CpuHasAvx2())
        GTEST_SKIP() << "no AVX2 on this processor";
    const int count = 256 * 256;
    for (int bytesPerPixel : {3, 4}) {
        Bytes source(count * bytesPerPixel), destination(count * bytesPerPixel), alpha(count);
        for (int ratio : {100, 0, 1, 37, 50, 99}) {
            for (int a = 0; a < 256; a += ratio == 100 ? 1 : 5) {
                for (int i = 0; i < count; ++i) {
                    for (int c = 0; c < bytesPerPixel; ++c) {
                        source[i * bytesPerPixel + c] = std::uint8_t(i >> 8);
                        destination[i * bytesPerPixel + c] = std::uint8_t(i + c);
                    }
                    alpha[i] = std::uint8_t(a);
                }
                ExpectSameAsReference(destination, source, alpha, 0, count, bytesPerPixel, ratio);
            }
        }
    }
}

TEST(BlendRows, VectorLoopMatchesReferenceOnRandomRows)
{
    if (!CpuHasAvx2())
        GTEST_SKIP() << "no AVX2 on this processor";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int trial = 0; trial < 3000; ++trial) {
        const int bytesPerPixel = trial % 2 ? 4 : 3;
        const int count = std::uniform_int_distribution<int>(0, 140)(random);
        const int offset = std::uniform_int_distribution<int>(0, 15)(random);
        const int ratio = std::uniform_int_distribution<int>(-10, 120)(random);
        const int size = (count + 4) * bytesPerPixel + 16;
        Bytes source(size), destination(size), alpha(count + 24);
        for (auto& b : source)
            b = std::uint8_t(byte(random));
        for (auto& b : destination)
            b = std::uint8_t(byte(random));
        // Runs of transparent and opaque values as well as arbitrary ones.
        const int kind = trial % 4;
        for (auto& b : alpha)
            b = std::uint8_t(kind == 0 ? 0 : kind == 1 ? 255 : byte(random));
        ExpectSameAsReference(destination, source, alpha, offset, count, bytesPerPixel, ratio);
    }
}
