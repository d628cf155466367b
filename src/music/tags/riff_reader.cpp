// RIFF WAVE (and RMP3) files: the "fmt " chunk's format, the "data" chunk that holds the
// audio and the texts of the "LIST" "INFO" chunk. Chunk sizes are checked against the
// region before they are used.
#include "music/tags/tag_scan.h"
#include "music/tags/tag_text.h"

#include <array>

namespace {

constexpr std::uint64_t kChunkHeader = 8;

constexpr std::array<TTagField, 10> kInfoFields{{
    {"INAM", &TAudioTexts::Title},
    {"IART", &TAudioTexts::Artist},
    {"IPRD", &TAudioTexts::Album},
    {"ICMT", &TAudioTexts::Comment},
    {"ICRD", &TAudioTexts::Year},
    {"IGNR", &TAudioTexts::Genre},
    {"ICOP", &TAudioTexts::Copyright},
    {"IENG", &TAudioTexts::EncodedBy},
    {"ISRC", &TAudioTexts::OriginalAlbum},
    {"ISFT", &TAudioTexts::EncoderSettings},
}};

std::uint64_t Even(std::uint64_t offset)
{
    return offset + (offset & 1);
}

// The sub-chunks of an INFO list between begin and end.
void ReadInfoList(TTagScan& scan, std::uint64_t position, std::uint64_t end)
{
    while (position + kChunkHeader <= end) {
        const QByteArray header = scan.ReadExactly(position, kChunkHeader);
        if (header.isEmpty())
            return;
        const std::uint64_t size = LittleEndian32(header, 4);
        position += kChunkHeader;
        if (size > end - position)
            return;
        const QByteArrayView id = QByteArrayView(header).first(4);
        for (const TTagField& field : kInfoFields) {
            if (id == QByteArrayView(field.Id)) {
                const QString text = SingleByteTagText(scan.ReadExactly(position, size));
                if (!text.isEmpty())
                    scan.Texts.*field.Text = text;
            }
        }
        position = Even(position + size);
    }
}

} // namespace

void ReadRiffChunks(TTagScan& scan)
{
    const QByteArray riff = scan.ReadExactly(scan.RegionStart, 12);
    if (riff.isEmpty() || !riff.startsWith("RIFF"))
        return;
    const QByteArrayView form = QByteArrayView(riff).sliced(8, 4);
    if (form != "WAVE" && form != "RMP3")
        return;
    std::uint64_t position = scan.RegionStart + 12;
    while (position + 12 <= scan.RegionEnd) {
        const QByteArray chunk = scan.ReadExactly(position, 12);
        if (chunk.isEmpty())
            return;
        const std::uint32_t size = LittleEndian32(chunk, 4);
        if (size >= 0x80000000u)
            return;
        const QByteArrayView id = QByteArrayView(chunk).first(4);
        const std::uint64_t body = position + kChunkHeader;
        const std::uint64_t end = std::min<std::uint64_t>(body + size, scan.RegionEnd);
        if (id == "data") {
            scan.AudioStart = body;
            scan.AudioEnd = end;
        } else if (id == "LIST" && QByteArrayView(chunk).sliced(8, 4) == "INFO") {
            ReadInfoList(scan, body + 4, end);
        } else if (id == "fmt " && size >= 16) {
            const QByteArray format = scan.ReadExactly(body, 16);
            if (!format.isEmpty()) {
                scan.WaveFormat = static_cast<unsigned char>(format[0]) | static_cast<unsigned char>(format[1]) << 8;
                scan.WaveBytesPerSecond = LittleEndian32(format, 8);
            }
        }
        position = Even(body + size);
    }
}
