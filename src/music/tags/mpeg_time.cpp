// The playing time of the audio stretch: for MPEG audio from the first frame header, at
// the constant bitrate or from a Xing or VBRI variable-rate header; for WAVE files holding
// other formats (PCM and the like) from the format's bytes per second.
#include "music/tags/tag_scan.h"

#include <array>

namespace {

constexpr int kSearchBefore = 512;
constexpr int kSearchLength = 1024;
// WAVE format tags of MPEG audio.
constexpr int kWaveMpeg = 0x50;
constexpr int kWaveMpegLayer3 = 0x55;

enum class TMpegVersion { Mpeg1, Mpeg2, Mpeg25 };

constexpr std::array<int, 16> kBitratesV1L2{0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0};
constexpr std::array<int, 16> kBitratesV1L3{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr std::array<int, 16> kBitratesV2{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
constexpr std::array<int, 4> kRatesV1{44100, 48000, 32000, 0};
constexpr std::array<int, 4> kRatesV2{22050, 24000, 16000, 0};
constexpr std::array<int, 4> kRatesV25{11025, 12000, 8000, 0};

bool IsSync(unsigned char first, unsigned char second)
{
    return first == 0xFF && (second & 0xE0) == 0xE0;
}

struct TFrameHeader {
    TMpegVersion Version = TMpegVersion::Mpeg1;
    bool LayerIII = false;
    int BitrateKbps = 0;
    int SampleRate = 0;
    bool Mono = false;

    // Samples in one frame: Layer III frames of MPEG-2 and 2.5 hold half as many.
    int SamplesPerFrame() const { return LayerIII && Version != TMpegVersion::Mpeg1 ? 576 : 1152; }
    int SideInfoSize() const
    {
        if (Version == TMpegVersion::Mpeg1)
            return Mono ? 17 : 32;
        return Mono ? 9 : 17;
    }
};

std::optional<TFrameHeader> ParseHeader(const QByteArray& bytes)
{
    const auto byte = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() < 4 || !IsSync(byte(0), byte(1)))
        return std::nullopt;
    TFrameHeader header;
    switch ((byte(1) >> 3) & 3) {
    case 3: header.Version = TMpegVersion::Mpeg1; break;
    case 2: header.Version = TMpegVersion::Mpeg2; break;
    case 0: header.Version = TMpegVersion::Mpeg25; break;
    default: return std::nullopt;
    }
    const int layer = (byte(1) >> 1) & 3;
    if (layer != 1 && layer != 2)
        return std::nullopt;
    header.LayerIII = layer == 1;
    const int bitrateIndex = byte(2) >> 4;
    const int rateIndex = (byte(2) >> 2) & 3;
    if (header.Version == TMpegVersion::Mpeg1) {
        header.BitrateKbps = (header.LayerIII ? kBitratesV1L3 : kBitratesV1L2)[bitrateIndex];
        header.SampleRate = kRatesV1[rateIndex];
    } else {
        header.BitrateKbps = kBitratesV2[bitrateIndex];
        header.SampleRate = (header.Version == TMpegVersion::Mpeg2 ? kRatesV2 : kRatesV25)[rateIndex];
    }
    if (header.BitrateKbps == 0)
        return std::nullopt;
    header.Mono = (byte(3) >> 6) == 3;
    return header;
}

// The frame sync at the audio start, else the first one found around it.
std::uint64_t FindSync(const TTagScan& scan)
{
    const QByteArray start = scan.ReadAt(scan.AudioStart, 2);
    if (start.size() == 2 && IsSync(start[0], start[1]))
        return scan.AudioStart;
    const std::uint64_t from = scan.AudioStart > kSearchBefore ? scan.AudioStart - kSearchBefore : 0;
    const QByteArray window = scan.ReadAt(from, kSearchLength);
    for (qsizetype i = 0; i + 1 < window.size(); ++i)
        if (IsSync(window[i], window[i + 1]))
            return from + i;
    return scan.AudioStart;
}

int FrameTime(std::uint64_t frames, const TFrameHeader& header)
{
    if (header.SampleRate <= 0)
        return 0;
    return static_cast<int>(std::min<std::uint64_t>(frames * header.SamplesPerFrame() / header.SampleRate, INT32_MAX));
}

int MpegTime(const TTagScan& scan, std::uint64_t sync, const TFrameHeader& header)
{
    const std::uint64_t bytes = scan.AudioEnd - scan.AudioStart;
    const int constant = static_cast<int>(std::min<std::uint64_t>(bytes * 8 / (header.BitrateKbps * 1000ull), INT32_MAX));
    const std::uint64_t afterSide = sync + 4 + header.SideInfoSize();
    if (scan.FileSize <= afterSide || scan.FileSize - afterSide <= 18)
        return constant;
    const QByteArray variable = scan.ReadExactly(afterSide, 16);
    if (variable.startsWith("Xing")) {
        const bool hasFrames = BigEndian32(variable, 4) & 1;
        return hasFrames ? FrameTime(BigEndian32(variable, 8), header) : 0;
    }
    if (variable.startsWith("VBRI")) {
        const QByteArray vbri = scan.ReadExactly(afterSide, 18);
        return vbri.isEmpty() ? constant : FrameTime(BigEndian32(vbri, 14), header);
    }
    return constant;
}

} // namespace

std::optional<int> ReadPlayingTime(TTagScan& scan)
{
    if (scan.AudioStart >= scan.FileSize || scan.AudioStart >= scan.AudioEnd)
        return std::nullopt;
    if (scan.WaveFormat != 0 && scan.WaveFormat != kWaveMpeg && scan.WaveFormat != kWaveMpegLayer3) {
        if (scan.WaveBytesPerSecond == 0)
            return std::nullopt;
        return static_cast<int>((scan.AudioEnd - scan.AudioStart) / scan.WaveBytesPerSecond);
    }
    const std::uint64_t sync = FindSync(scan);
    const std::optional<TFrameHeader> header = ParseHeader(scan.ReadAt(sync, 4));
    if (!header)
        return std::nullopt;
    return MpegTime(scan, sync, *header);
}
