#pragma once
// GUIDs as they are stored in files: the 16 bytes of the GUID structure in memory, that is
// Data1 (32 bits), Data2 and Data3 (16 bits each) little-endian, then the eight bytes of
// Data4 in order.
#include <QByteArray>
#include <QUuid>

inline constexpr int kGuidSize = 16;

QByteArray GuidBytes(const QUuid& guid);
// The GUID of the first 16 bytes at data (the caller checks that they are there).
QUuid GuidFromBytes(const char* data);
