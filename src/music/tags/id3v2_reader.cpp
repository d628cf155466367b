// ID3v2.2 and 2.3 tags at the start of the audio region: the text frames named in the
// tables below. Other frames are stepped over by their size; an id that is no frame id
// (padding) ends the tag. Frame sizes are checked against the tag, and the tag against the
// region, before anything is read.
#include "music/tags/genre_names.h"
#include "music/tags/tag_scan.h"
#include "music/tags/tag_text.h"

#include <array>

namespace {

constexpr int kHeaderSize = 10;

constexpr std::array<TTagField, 10> kFrames23{{
    {"TIT2", &TAudioTexts::Title},
    {"TPE1", &TAudioTexts::Artist},
    {"TALB", &TAudioTexts::Album},
    {"TCOM", &TAudioTexts::Comment},
    {"TYER", &TAudioTexts::Year},
    {"TCON", &TAudioTexts::Genre},
    {"TCOP", &TAudioTexts::Copyright},
    {"TENC", &TAudioTexts::EncodedBy},
    {"TOAL", &TAudioTexts::OriginalAlbum},
    {"TSSE", &TAudioTexts::EncoderSettings},
}};

constexpr std::array<TTagField, 10> kFrames22{{
    {"TT2", &TAudioTexts::Title},
    {"TP1", &TAudioTexts::Artist},
    {"TAL", &TAudioTexts::Album},
    {"TCM", &TAudioTexts::Comment},
    {"TYE", &TAudioTexts::Year},
    {"TCO", &TAudioTexts::Genre},
    {"TCR", &TAudioTexts::Copyright},
    {"TEN", &TAudioTexts::EncodedBy},
    {"TOT", &TAudioTexts::OriginalAlbum},
    {"TSS", &TAudioTexts::EncoderSettings},
}};

// Frame layout of one tag version.
struct TFrameLayout {
    int IdSize;
    int HeaderSize;
    const std::array<TTagField, 10>& Fields;
};

std::uint32_t Synchsafe28(const QByteArray& bytes, int at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 7 | (static_cast<unsigned char>(bytes[at + i]) & 0x7F);
    return value;
}

bool IsFrameId(QByteArrayView id)
{
    for (const char c : id)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

std::uint32_t FrameSize(const QByteArray& header, const TFrameLayout& layout)
{
    if (layout.IdSize == 3)
        return static_cast<std::uint32_t>(static_cast<unsigned char>(header[3])) << 16
               | static_cast<std::uint32_t>(static_cast<unsigned char>(header[4])) << 8
               | static_cast<unsigned char>(header[5]);
    return BigEndian32(header, 4);
}

// Compressed or encrypted frames (version 2.3 flags) hold no plain text.
bool IsPlainFrame(const QByteArray& header, const TFrameLayout& layout)
{
    return layout.IdSize == 3 || (static_cast<unsigned char>(header[9]) & 0xC0) == 0;
}

void StoreText(TAudioTexts& texts, QByteArrayView id, const QByteArray& body, const TFrameLayout& layout)
{
    for (const TTagField& field : layout.Fields) {
        if (id != QByteArrayView(field.Id))
            continue;
        QString text = Id3v2FrameText(body);
        if (field.Text == &TAudioTexts::Genre)
            text = GenreText(text);
        if (!text.isEmpty())
            texts.*field.Text = text;
        return;
    }
}

} // namespace

void ReadId3v2Tag(TTagScan& scan)
{
    const QByteArray header = scan.ReadExactly(scan.RegionStart, kHeaderSize);
    if (header.isEmpty() || !header.startsWith("ID3"))
        return;
    const int version = static_cast<unsigned char>(header[3]);
    if (version != 2 && version != 3)
        return;
    const TFrameLayout layout = version == 3 ? TFrameLayout{4, 10, kFrames23} : TFrameLayout{3, 6, kFrames22};
    const std::uint64_t tagEnd = std::min(scan.RegionStart + kHeaderSize + Synchsafe28(header, 6), scan.RegionEnd);
    std::uint64_t position = scan.RegionStart + kHeaderSize;
    if (version == 3 && (static_cast<unsigned char>(header[5]) & 0x40)) {
        // An extended header: its size field counts the bytes after the field.
        const QByteArray extended = scan.ReadExactly(position, 4);
        if (extended.isEmpty())
            return;
        position += 4 + static_cast<std::uint64_t>(BigEndian32(extended, 0));
    }
    while (position + layout.HeaderSize <= tagEnd) {
        const QByteArray frame = scan.ReadExactly(position, layout.HeaderSize);
        if (frame.isEmpty())
            break;
        const QByteArrayView id = QByteArrayView(frame).first(layout.IdSize);
        const std::uint64_t size = FrameSize(frame, layout);
        position += layout.HeaderSize;
        if (!IsFrameId(id) || size > tagEnd - position)
            break;
        if (id.startsWith('T') && IsPlainFrame(frame, layout))
            StoreText(scan.Texts, id, scan.ReadExactly(position, size), layout);
        position += size;
    }
    scan.AudioStart = tagEnd;
}
