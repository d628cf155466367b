#pragma once
// The errors of the compound file layer, raised as EPlatformError with the system's texts.
#include <QString>

namespace cfb {

// What is wrong with a damaged or foreign file.
enum class TFormatFault {
    NotCompoundFile, // no compound file signature
    BadHeader,       // version, byte order, sector sizes or counts out of bounds
    SectorOutOfRange,
    ChainLoops,
    ChainTooShort,   // a stream's size goes beyond its sectors
    DirectoryCycle,  // a directory entry reached twice
    BadEntry,        // an entry of an unknown or misplaced kind
    Truncated,       // data lies beyond the end of the file
};

[[noreturn]] void RaiseFormatError(TFormatFault fault);
[[noreturn]] void RaiseInvalidName(const QString& name);
[[noreturn]] void RaiseNotFound(const QString& name);
[[noreturn]] void RaiseAlreadyExists(const QString& name);
[[noreturn]] void RaiseNotAStorage(const QString& name);
[[noreturn]] void RaiseNotAStream(const QString& name);
[[noreturn]] void RaiseReadOnly();
[[noreturn]] void RaiseStaleEntry();
[[noreturn]] void RaiseIntoItself(const QString& name);
[[noreturn]] void RaiseTooLarge();

} // namespace cfb
