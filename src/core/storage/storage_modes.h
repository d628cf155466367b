#pragma once
// The file modes of the storage layer: the access in the low two bits and the sharing in
// bits 4 to 7, or fmCreate for a new file (or stream) replacing any old one.
#include "platform/posix_file.h"

inline constexpr int fmCreate = -1;
inline constexpr int fmOpenRead = 0x0000;
inline constexpr int fmOpenWrite = 0x0001;
inline constexpr int fmOpenReadWrite = 0x0002;
inline constexpr int fmShareExclusive = 0x0010;
inline constexpr int fmShareDenyWrite = 0x0020;
inline constexpr int fmShareDenyRead = 0x0030;
inline constexpr int fmShareDenyNone = 0x0040;

// Whether mode lets the opener write (create, write, read-write).
inline bool ModeWrites(int mode)
{
    return mode == fmCreate || (mode & 3) != fmOpenRead;
}

// The sharing of bits 4 to 7: 0 and 1 exclusive, 2 deny write, 3 deny read, 4 deny none.
inline TFileSharing ModeSharing(int mode)
{
    if (mode == fmCreate)
        return TFileSharing::Exclusive;
    switch ((mode >> 4) & 0xF) {
    case 2:
        return TFileSharing::DenyWrite;
    case 3:
        return TFileSharing::DenyRead;
    case 4:
        return TFileSharing::DenyNone;
    default:
        return TFileSharing::Exclusive;
    }
}
