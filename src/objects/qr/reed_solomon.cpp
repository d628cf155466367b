#include "objects/qr/reed_solomon.h"

#include <array>
#include <cassert>

namespace {

constexpr unsigned kPrimitive = 0x11D;

// Powers of the generator element a = 2 (twice over, so that sums of two logarithms need
// no reduction) and their logarithms.
struct TGalois {
    std::array<std::uint8_t, 512> Exp{};
    std::array<std::uint8_t, 256> Log{};
};

constexpr TGalois MakeGalois()
{
    TGalois field;
    unsigned x = 1;
    for (int i = 0; i < 255; ++i) {
        field.Exp[i] = static_cast<std::uint8_t>(x);
        field.Exp[i + 255] = static_cast<std::uint8_t>(x);
        field.Log[x] = static_cast<std::uint8_t>(i);
        x <<= 1;
        if (x & 0x100)
            x ^= kPrimitive;
    }
    field.Exp[510] = field.Exp[0];
    field.Exp[511] = field.Exp[1];
    return field;
}

constexpr TGalois kField = MakeGalois();

constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b)
{
    return a == 0 || b == 0 ? 0 : kField.Exp[kField.Log[a] + kField.Log[b]];
}

// The generator polynomial of each degree n, as the logarithms of its coefficients from
// x^(n-1) down to x^0 (the leading coefficient is 1).
struct TGenerators {
    std::array<std::array<std::uint8_t, kQRMaxEcPerBlock>, kQRMaxEcPerBlock + 1> LogCoefficients{};
    bool HasZeroCoefficient = false; // a zero has no logarithm
};

constexpr TGenerators MakeGenerators()
{
    TGenerators generators;
    for (int degree = 1; degree <= kQRMaxEcPerBlock; ++degree) {
        // coefficients[k] is the coefficient of x^k; multiply by (x + a^i) for each root.
        std::array<std::uint8_t, kQRMaxEcPerBlock + 1> coefficients{};
        coefficients[0] = 1;
        for (int i = 0; i < degree; ++i) {
            const std::uint8_t root = kField.Exp[i];
            for (int k = i + 1; k > 0; --k)
                coefficients[k] = static_cast<std::uint8_t>(coefficients[k - 1] ^ Multiply(coefficients[k], root));
            coefficients[0] = Multiply(coefficients[0], root);
        }
        for (int j = 0; j < degree; ++j) {
            const std::uint8_t c = coefficients[degree - 1 - j];
            generators.HasZeroCoefficient |= c == 0;
            generators.LogCoefficients[degree][j] = kField.Log[c];
        }
    }
    return generators;
}

constexpr TGenerators kGenerators = MakeGenerators();
static_assert(!kGenerators.HasZeroCoefficient);

} // namespace

void ReedSolomonRemainder(std::span<const std::uint8_t> data, std::span<std::uint8_t> ec)
{
    const std::size_t n = ec.size();
    assert(n >= 1 && n <= kQRMaxEcPerBlock);
    const auto& generator = kGenerators.LogCoefficients[n];
    std::array<std::uint8_t, kQRMaxEcPerBlock + 1> remainder{};
    for (const std::uint8_t byte : data) {
        const std::uint8_t factor = byte ^ remainder[0];
        if (factor == 0) {
            for (std::size_t j = 0; j < n; ++j)
                remainder[j] = remainder[j + 1];
            continue;
        }
        const unsigned logFactor = kField.Log[factor];
        for (std::size_t j = 0; j < n; ++j)
            remainder[j] = remainder[j + 1] ^ kField.Exp[generator[j] + logFactor];
    }
    for (std::size_t j = 0; j < n; ++j)
        ec[j] = remainder[j];
}
