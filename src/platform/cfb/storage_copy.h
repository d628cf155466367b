#pragma once
// Copying the contents of a storage, within one compound file or between two.
#include "platform/cfb/compound_file.h"

namespace cfb {

// Copies every element inside source (streams with their data, storages with everything in
// them, with class ids, state bits and times) into target, and gives target the class id
// and state bits of source. Elements of target with the same names are replaced. Raises
// when target is source or lies inside it.
void CopyStorageContents(TCompoundFile& from, const TEntryRef& source, TCompoundFile& to, const TEntryRef& target);

} // namespace cfb
