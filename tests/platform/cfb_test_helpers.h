#pragma once
// Shared helpers of the compound file tests: deterministic contents and a walk that lists
// every element of a file with its data.
#include "platform/cfb/compound_file.h"

#include <QByteArray>
#include <QString>
#include <map>

namespace cfbtest {

// size bytes that depend on seed, so that two streams never share contents by accident.
QByteArray Pattern(qsizetype size, int seed);

// Every element below the root as "a/b/c" → data ("<storage>" for storages).
std::map<QString, QByteArray> Walk(cfb::TCompoundFile& file);

// Reads a whole stream.
QByteArray ReadAll(cfb::TCompoundFile& file, const cfb::TEntryRef& stream);

} // namespace cfbtest
