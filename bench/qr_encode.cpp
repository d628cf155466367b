// QR Code encoding, payload to finished symbol with automatic version and mask, against
// libqrencode on the same bytes, mode and level: a short contact card and 500 bytes at
// level M, and 2,953 bytes at level L (the largest 8-bit payload, version 40).
#include "objects/qr/qr_code.h"

#include <benchmark/benchmark.h>
#include <qrencode.h>

#include <random>

namespace {

QByteArray ContactCard()
{
    return "MECARD:N:Yamada,Taro;SOUND:yamada,taro;TEL:0312345678;EMAIL:taro@example.jp;;";
}

QByteArray RandomBytes(int length)
{
    std::mt19937 random(2024);
    QByteArray bytes(length, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() % 256);
    return bytes;
}

void Ours(benchmark::State& state, const QByteArray& payload, char level)
{
    TQRCode code;
    code.SetPayload(payload);
    code.SetErrorCorrectLevel(level);
    for (auto _ : state) {
        code.MarkChanged();
        if (!code.Encode())
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(code.ModuleBitmap().constBits());
    }
    state.SetLabel("version " + std::to_string(code.Version()) + " mode " + code.EncodeMode());
}

void Peer(benchmark::State& state, const QByteArray& payload, QRecLevel level)
{
    for (auto _ : state) {
        QRcode* code = QRcode_encodeData(static_cast<int>(payload.size()),
                                         reinterpret_cast<const unsigned char*>(payload.constData()), 0, level);
        if (!code) {
            state.SkipWithError("refused");
            break;
        }
        benchmark::DoNotOptimize(code->data);
        QRcode_free(code);
    }
}

const QByteArray kContact = ContactCard();
const QByteArray kBytes500 = RandomBytes(500);
const QByteArray kBytes2953 = RandomBytes(2953);

} // namespace

BENCHMARK_CAPTURE(Ours, contact, kContact, 'M')->Name("qr_encode_contact_card/ours");
BENCHMARK_CAPTURE(Peer, contact, kContact, QR_ECLEVEL_M)->Name("qr_encode_contact_card/peer");
BENCHMARK_CAPTURE(Ours, bytes500, kBytes500, 'M')->Name("qr_encode_500_bytes/ours");
BENCHMARK_CAPTURE(Peer, bytes500, kBytes500, QR_ECLEVEL_M)->Name("qr_encode_500_bytes/peer");
BENCHMARK_CAPTURE(Ours, bytes2953, kBytes2953, 'L')->Name("qr_encode_2953_bytes_40L/ours");
BENCHMARK_CAPTURE(Peer, bytes2953, kBytes2953, QR_ECLEVEL_L)->Name("qr_encode_2953_bytes_40L/peer");
