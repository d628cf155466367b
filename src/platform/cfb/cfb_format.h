#pragma once
// The on-disk structures of the Compound File Binary Format: the header with its first
// DIFAT entries, the 128-byte directory entry, the special sector numbers and the limits,
// with their decoding from and encoding to little-endian bytes.
#include <QString>
#include <QUuid>
#include <array>
#include <cstdint>

namespace cfb {

// Special values of sector chains and directory links.
inline constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
inline constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

inline constexpr std::uint32_t kHeaderBytes = 512;
inline constexpr std::uint32_t kHeaderDifatEntries = 109;
inline constexpr std::uint32_t kDirectoryEntryBytes = 128;
inline constexpr std::uint32_t kMiniSectorShift = 6;
inline constexpr std::uint32_t kMiniSectorBytes = 1u << kMiniSectorShift;
inline constexpr std::uint32_t kMiniStreamCutoff = 4096;
inline constexpr int kMaxNameLength = 31;

inline constexpr std::array<unsigned char, 8> kSignature{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

enum class TEntryType : std::uint8_t { Empty = 0, Storage = 1, Stream = 2, Root = 5 };
enum class TColor : std::uint8_t { Red = 0, Black = 1 };

struct THeader {
    std::uint16_t MinorVersion = 0x003E;
    std::uint16_t MajorVersion = 3;
    std::uint16_t SectorShift = 9;
    std::uint32_t DirectorySectorCount = 0; // always 0 in version 3
    std::uint32_t FatSectorCount = 0;
    std::uint32_t FirstDirectorySector = kEndOfChain;
    std::uint32_t TransactionSignature = 0;
    std::uint32_t FirstMiniFatSector = kEndOfChain;
    std::uint32_t MiniFatSectorCount = 0;
    std::uint32_t FirstDifatSector = kEndOfChain;
    std::uint32_t DifatSectorCount = 0;
    std::array<std::uint32_t, kHeaderDifatEntries> Difat{};

    std::uint32_t SectorBytes() const { return 1u << SectorShift; }
};

// Decodes the first 512 bytes of a file; raises the format error for anything that is not a
// version 3 or 4 compound file header.
THeader DecodeHeader(const char* bytes);
// Encodes the header into 512 bytes.
void EncodeHeader(const THeader& header, char* bytes);

struct TDirectoryEntry {
    QString Name;
    TEntryType Type = TEntryType::Empty;
    TColor Color = TColor::Black;
    std::uint32_t Left = kNoStream;
    std::uint32_t Right = kNoStream;
    std::uint32_t Child = kNoStream;
    QUuid ClassId;
    std::uint32_t StateBits = 0;
    std::uint64_t CreationTime = 0;     // FILETIME: 100-ns intervals since 1601-01-01 UTC
    std::uint64_t ModificationTime = 0; // FILETIME
    std::uint32_t StartSector = kEndOfChain;
    std::uint64_t Size = 0;
};

// Decodes one directory entry. In version 3 files the upper half of the size is ignored,
// as older writers left it uninitialised.
TDirectoryEntry DecodeDirectoryEntry(const char* bytes, int majorVersion);
void EncodeDirectoryEntry(const TDirectoryEntry& entry, char* bytes);

std::uint32_t ReadU32(const char* bytes);
void WriteU32(char* bytes, std::uint32_t value);

} // namespace cfb
