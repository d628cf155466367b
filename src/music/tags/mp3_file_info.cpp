#include "music/tags/mp3_file_info.h"

#include "music/tags/genre_names.h"
#include "music/tags/tag_scan.h"
#include "music/tags/tag_text.h"
#include "platform/platform_error.h"

#include <QFileInfo>

namespace {

constexpr std::uint64_t kBlockSize = 128;

// A MacBinary header before the data fork narrows the region to that fork.
void ReadMacBinary(TTagScan& scan)
{
    if (scan.FileSize <= kBlockSize)
        return;
    const QByteArray header = scan.ReadExactly(0, kBlockSize);
    const auto byte = [&](int i) { return static_cast<unsigned char>(header[i]); };
    if (header.isEmpty() || byte(0) != 0 || byte(1) < 1 || byte(1) > 31 || byte(74) != 0 || byte(82) != 0)
        return;
    const std::uint32_t dataFork = BigEndian32(header, 83);
    const std::uint32_t resourceFork = BigEndian32(header, 87);
    if (dataFork >= 0x80000000u || resourceFork >= 0x80000000u)
        return;
    scan.RegionStart = kBlockSize;
    scan.RegionEnd = std::min<std::uint64_t>(kBlockSize + dataFork, scan.FileSize);
}

void ReadId3v1(TTagScan& scan)
{
    if (scan.RegionEnd - scan.RegionStart <= kBlockSize)
        return;
    const std::uint64_t at = scan.RegionEnd - kBlockSize;
    const QByteArray tag = scan.ReadExactly(at, kBlockSize);
    if (!tag.startsWith("TAG"))
        return;
    const auto field = [&](int offset, int length) { return SingleByteTagText(QByteArrayView(tag).sliced(offset, length)); };
    scan.Texts.Title = field(3, 30);
    scan.Texts.Artist = field(33, 30);
    scan.Texts.Album = field(63, 30);
    scan.Texts.Year = field(93, 4);
    scan.Texts.Comment = field(97, 30);
    scan.Texts.Genre = GenreName(static_cast<unsigned char>(tag[127]));
    scan.AudioEnd = at;
}

} // namespace

bool TMP3FileInfo::Read()
{
    seconds_ = 0;
    texts_ = {};
    titleFromFileName_ = false;
    id3v2Version_ = 0;
    // Only plain files: opening a pipe or a device named by a playlist would wait forever.
    if (!QFileInfo(FileName).isFile())
        return false;
    TTagScan scan;
    std::optional<int> seconds;
    try {
        scan.File.Open(FileName, TFileAccess::ReadOnly, TFileCreation::OpenExisting, TFileSharing::DenyWrite);
        scan.FileSize = scan.File.Size();
        scan.RegionEnd = scan.FileSize;
        ReadMacBinary(scan);
        scan.AudioStart = scan.RegionStart;
        scan.AudioEnd = scan.RegionEnd;
        ReadId3v1(scan);
        ReadRiffChunks(scan);
        const QByteArray id3 = scan.ReadAt(scan.RegionStart, 4);
        if (id3.size() == 4 && id3.startsWith("ID3"))
            id3v2Version_ = static_cast<unsigned char>(id3[3]);
        ReadId3v2Tag(scan);
        seconds = ReadPlayingTime(scan);
    } catch (const EPlatformError&) {
    }
    texts_ = scan.Texts;
    if (!seconds)
        return false;
    seconds_ = *seconds;
    if (texts_.Title.isEmpty()) {
        texts_.Title = QFileInfo(FileName).completeBaseName();
        titleFromFileName_ = true;
    }
    return true;
}
