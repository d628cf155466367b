#include "platform/cfb/cfb_format.h"

#include "platform/cfb/cfb_errors.h"

#include <cstring>

namespace cfb {

namespace {

std::uint16_t ReadU16(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

void WriteU16(char* bytes, std::uint16_t value)
{
    bytes[0] = static_cast<char>(value & 0xFF);
    bytes[1] = static_cast<char>(value >> 8);
}

std::uint64_t ReadU64(const char* bytes)
{
    return ReadU32(bytes) | (static_cast<std::uint64_t>(ReadU32(bytes + 4)) << 32);
}

void WriteU64(char* bytes, std::uint64_t value)
{
    WriteU32(bytes, static_cast<std::uint32_t>(value));
    WriteU32(bytes + 4, static_cast<std::uint32_t>(value >> 32));
}

QUuid ReadClassId(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return QUuid(ReadU32(bytes), ReadU16(bytes + 4), ReadU16(bytes + 6), b[8], b[9], b[10], b[11], b[12], b[13], b[14],
                 b[15]);
}

void WriteClassId(char* bytes, const QUuid& id)
{
    WriteU32(bytes, id.data1);
    WriteU16(bytes + 4, id.data2);
    WriteU16(bytes + 6, id.data3);
    std::memcpy(bytes + 8, id.data4, 8);
}

// Header field offsets.
enum : int {
    kMinorVersionAt = 0x18,
    kMajorVersionAt = 0x1A,
    kByteOrderAt = 0x1C,
    kSectorShiftAt = 0x1E,
    kMiniSectorShiftAt = 0x20,
    kDirectorySectorsAt = 0x28,
    kFatSectorsAt = 0x2C,
    kFirstDirectoryAt = 0x30,
    kTransactionAt = 0x34,
    kMiniCutoffAt = 0x38,
    kFirstMiniFatAt = 0x3C,
    kMiniFatSectorsAt = 0x40,
    kFirstDifatAt = 0x44,
    kDifatSectorsAt = 0x48,
    kDifatAt = 0x4C,
};

// Directory entry field offsets.
enum : int {
    kNameAt = 0x00,
    kNameBytesAt = 0x40,
    kTypeAt = 0x42,
    kColorAt = 0x43,
    kLeftAt = 0x44,
    kRightAt = 0x48,
    kChildAt = 0x4C,
    kClassIdAt = 0x50,
    kStateBitsAt = 0x60,
    kCreationTimeAt = 0x64,
    kModificationTimeAt = 0x6C,
    kStartSectorAt = 0x74,
    kSizeAt = 0x78,
};

} // namespace

std::uint32_t ReadU32(const char* bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void WriteU32(char* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

THeader DecodeHeader(const char* bytes)
{
    if (std::memcmp(bytes, kSignature.data(), kSignature.size()) != 0)
        RaiseFormatError(TFormatFault::NotCompoundFile);
    THeader header;
    header.MinorVersion = ReadU16(bytes + kMinorVersionAt);
    header.MajorVersion = ReadU16(bytes + kMajorVersionAt);
    header.SectorShift = ReadU16(bytes + kSectorShiftAt);
    const bool version3 = header.MajorVersion == 3 && header.SectorShift == 9;
    const bool version4 = header.MajorVersion == 4 && header.SectorShift == 12;
    if ((!version3 && !version4) || ReadU16(bytes + kByteOrderAt) != 0xFFFE
        || ReadU16(bytes + kMiniSectorShiftAt) != kMiniSectorShift || ReadU32(bytes + kMiniCutoffAt) != kMiniStreamCutoff)
        RaiseFormatError(TFormatFault::BadHeader);
    header.DirectorySectorCount = ReadU32(bytes + kDirectorySectorsAt);
    header.FatSectorCount = ReadU32(bytes + kFatSectorsAt);
    header.FirstDirectorySector = ReadU32(bytes + kFirstDirectoryAt);
    header.TransactionSignature = ReadU32(bytes + kTransactionAt);
    header.FirstMiniFatSector = ReadU32(bytes + kFirstMiniFatAt);
    header.MiniFatSectorCount = ReadU32(bytes + kMiniFatSectorsAt);
    header.FirstDifatSector = ReadU32(bytes + kFirstDifatAt);
    header.DifatSectorCount = ReadU32(bytes + kDifatSectorsAt);
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        header.Difat[i] = ReadU32(bytes + kDifatAt + 4 * i);
    return header;
}

void EncodeHeader(const THeader& header, char* bytes)
{
    std::memset(bytes, 0, kHeaderBytes);
    std::memcpy(bytes, kSignature.data(), kSignature.size());
    WriteU16(bytes + kMinorVersionAt, header.MinorVersion);
    WriteU16(bytes + kMajorVersionAt, header.MajorVersion);
    WriteU16(bytes + kByteOrderAt, 0xFFFE);
    WriteU16(bytes + kSectorShiftAt, header.SectorShift);
    WriteU16(bytes + kMiniSectorShiftAt, kMiniSectorShift);
    WriteU32(bytes + kDirectorySectorsAt, header.DirectorySectorCount);
    WriteU32(bytes + kFatSectorsAt, header.FatSectorCount);
    WriteU32(bytes + kFirstDirectoryAt, header.FirstDirectorySector);
    WriteU32(bytes + kTransactionAt, header.TransactionSignature);
    WriteU32(bytes + kMiniCutoffAt, kMiniStreamCutoff);
    WriteU32(bytes + kFirstMiniFatAt, header.FirstMiniFatSector);
    WriteU32(bytes + kMiniFatSectorsAt, header.MiniFatSectorCount);
    WriteU32(bytes + kFirstDifatAt, header.FirstDifatSector);
    WriteU32(bytes + kDifatSectorsAt, header.DifatSectorCount);
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        WriteU32(bytes + kDifatAt + 4 * i, header.Difat[i]);
}

TDirectoryEntry DecodeDirectoryEntry(const char* bytes, int majorVersion)
{
    TDirectoryEntry entry;
    const int units = std::min<int>(ReadU16(bytes + kNameBytesAt) / 2, kMaxNameLength + 1);
    for (int i = 0; i < units; ++i) {
        const char16_t unit = ReadU16(bytes + kNameAt + 2 * i);
        if (unit == 0)
            break;
        if (i < kMaxNameLength)
            entry.Name.append(QChar(unit));
    }
    entry.Type = static_cast<TEntryType>(static_cast<unsigned char>(bytes[kTypeAt]));
    entry.Color = bytes[kColorAt] == 0 ? TColor::Red : TColor::Black;
    entry.Left = ReadU32(bytes + kLeftAt);
    entry.Right = ReadU32(bytes + kRightAt);
    entry.Child = ReadU32(bytes + kChildAt);
    entry.ClassId = ReadClassId(bytes + kClassIdAt);
    entry.StateBits = ReadU32(bytes + kStateBitsAt);
    entry.CreationTime = ReadU64(bytes + kCreationTimeAt);
    entry.ModificationTime = ReadU64(bytes + kModificationTimeAt);
    entry.StartSector = ReadU32(bytes + kStartSectorAt);
    entry.Size = majorVersion == 3 ? ReadU32(bytes + kSizeAt) : ReadU64(bytes + kSizeAt);
    return entry;
}

void EncodeDirectoryEntry(const TDirectoryEntry& entry, char* bytes)
{
    std::memset(bytes, 0, kDirectoryEntryBytes);
    const int units = std::min<int>(static_cast<int>(entry.Name.size()), kMaxNameLength);
    for (int i = 0; i < units; ++i)
        WriteU16(bytes + kNameAt + 2 * i, entry.Name.at(i).unicode());
    WriteU16(bytes + kNameBytesAt, static_cast<std::uint16_t>(units > 0 ? 2 * (units + 1) : 0));
    bytes[kTypeAt] = static_cast<char>(entry.Type);
    bytes[kColorAt] = static_cast<char>(entry.Color);
    WriteU32(bytes + kLeftAt, entry.Left);
    WriteU32(bytes + kRightAt, entry.Right);
    WriteU32(bytes + kChildAt, entry.Child);
    WriteClassId(bytes + kClassIdAt, entry.ClassId);
    WriteU32(bytes + kStateBitsAt, entry.StateBits);
    WriteU64(bytes + kCreationTimeAt, entry.CreationTime);
    WriteU64(bytes + kModificationTimeAt, entry.ModificationTime);
    WriteU32(bytes + kStartSectorAt, entry.StartSector);
    WriteU64(bytes + kSizeAt, entry.Size);
}

} // namespace cfb
