#pragma once
// The state of one tag read: the open file and the byte positions that the readers of the
// wrapper, the tags and the audio frames narrow down. Every read is bounded by the file:
// sizes found in the file are claims, checked here before any byte is fetched.
#include "music/tags/audio_texts.h"
#include "platform/posix_file.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

struct TTagScan {
    TPosixFile File;
    std::uint64_t FileSize = 0;
    std::uint64_t RegionStart = 0; // the audio file proper (inside a MacBinary wrapper)
    std::uint64_t RegionEnd = 0;
    std::uint64_t AudioStart = 0; // the stretch of audio frames
    std::uint64_t AudioEnd = 0;
    TAudioTexts Texts;
    // A WAVE file's sample format and bytes per second ("fmt " chunk), 0 when not seen.
    int WaveFormat = 0;
    std::uint32_t WaveBytesPerSecond = 0;

    // Up to count bytes at offset, fewer at the end of the file (none beyond it).
    QByteArray ReadAt(std::uint64_t offset, std::uint64_t count) const;
    // Exactly count bytes at offset, or nothing (an empty result) when the file is shorter.
    QByteArray ReadExactly(std::uint64_t offset, std::uint64_t count) const;
};

inline std::uint32_t BigEndian32(const QByteArray& bytes, int at)
{
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

inline std::uint32_t LittleEndian32(const QByteArray& bytes, int at)
{
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(3) << 24 | byte(2) << 16 | byte(1) << 8 | byte(0);
}

// The ID3v2 tag at the region start.
void ReadId3v2Tag(TTagScan& scan);
// The chunks of a RIFF WAVE (or RMP3) file: its INFO texts, the data chunk, the format.
void ReadRiffChunks(TTagScan& scan);
// The playing time in whole seconds from the audio frames, or nothing when it cannot be
// worked out.
std::optional<int> ReadPlayingTime(TTagScan& scan);
