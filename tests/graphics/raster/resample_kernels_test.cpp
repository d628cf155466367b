// The vectorised resampling passes against the scalar reference, byte for byte.
#include "graphics/raster/cpu_features.h"
#include "graphics/raster/resample.h"
#include "graphics/raster/resample_kernels.h"

#include <gtest/gtest.h>
#include <random>

namespace {

TResampleAxis RandomAxis(std::mt19937& random, int bitmapLength)
{
    std::uniform_int_distribution<int> any(0, 1 << 20);
    const int start = any(random) % bitmapLength;
    const int length = 1 + any(random) % (bitmapLength - start);
    const int outputs = 1 + any(random) % 90;
    const auto edge = TResampleEdge(any(random) % 3);
    const auto filter = TResampleFilter(1 + any(random) % 2);
    return MakeResampleAxis(start, length, bitmapLength, outputs, edge, filter);
}

} // namespace

TEST(ResampleKernels, RowPassMatchesReference)
{
    if (!CpuHasAvx2())
        GTEST_SKIP() << "no AVX2 on this processor";
    std::mt19937 random(77);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int trial = 0; trial < 2000; ++trial) {
        const int channels = 1 + trial % 4;
        const int bitmapLength = 1 + int(random() % 70);
        const TResampleAxis axis = RandomAxis(random, bitmapLength);
        // The row is exactly as long as the bitmap's pixels, so reading past it would show.
        std::vector<std::uint8_t> row(std::size_t(bitmapLength) * channels);
        for (auto& b : row)
            b = std::uint8_t(byte(random));
        std::vector<std::int16_t> reference(std::size_t(axis.Outputs) * channels + 1, -1);
        std::vector<std::int16_t> vectorised = reference;
        ResampleRowReference(row.data(), channels, axis, reference.data());
        ResampleRowAvx2(row.data(), channels, axis, vectorised.data());
        reference.pop_back();
        vectorised.pop_back();
        ASSERT_EQ(vectorised, reference) << "trial " << trial;
    }
}

TEST(ResampleKernels, ColumnPassMatchesReference)
{
    if (!CpuHasAvx2())
        GTEST_SKIP() << "no AVX2 on this processor";
    std::mt19937 random(78);
    // Row values as the row pass produces them, cubic over- and undershoot included.
    std::uniform_int_distribution<int> value(-1600, 19500);
    for (int trial = 0; trial < 2000; ++trial) {
        const TResampleAxis axis = RandomAxis(random, 1 + int(random() % 70));
        const int taps = axis.Taps;
        const int count = int(random() % 100);
        std::vector<std::vector<std::int16_t>> rows(taps, std::vector<std::int16_t>(count));
        std::vector<const std::int16_t*> pointers;
        for (auto& row : rows) {
            for (auto& v : row)
                v = std::int16_t(value(random));
            pointers.push_back(row.data());
        }
        const std::int16_t* weights = axis.Weight.data() + std::size_t(random() % axis.Outputs) * taps;
        std::vector<std::uint8_t> reference(count), vectorised(count);
        ResampleColumnReference(pointers.data(), weights, taps, count, reference.data());
        ResampleColumnAvx2(pointers.data(), weights, taps, count, vectorised.data());
        ASSERT_EQ(vectorised, reference) << "trial " << trial;
    }
}

TEST(ResampleKernels, AxisWeightsSumToOne)
{
    std::mt19937 random(79);
    for (int trial = 0; trial < 500; ++trial) {
        const TResampleAxis axis = RandomAxis(random, 1 + int(random() % 300));
        ASSERT_EQ(axis.Taps % 2, 0);
        for (int k = 0; k < axis.Outputs; ++k) {
            int total = 0;
            for (int t = 0; t < axis.Taps; ++t)
                total += axis.Weight[std::size_t(k) * axis.Taps + t];
            ASSERT_EQ(total, 1 << kResampleWeightBits);
        }
    }
}
