#pragma once
// Reed-Solomon error correction over GF(256) with the primitive polynomial 0x11D, as QR Code
// symbols use it: the error-correction codewords of a block are the remainder of the data
// polynomial times x^n divided by the generator polynomial (x - a^0)(x - a^1)...(x - a^(n-1)).
#include <cstdint>
#include <span>

// The largest number of error-correction codewords in one block.
constexpr int kQRMaxEcPerBlock = 30;

// Writes the ec.size() (1 to kQRMaxEcPerBlock) error-correction codewords of the data.
void ReedSolomonRemainder(std::span<const std::uint8_t> data, std::span<std::uint8_t> ec);
