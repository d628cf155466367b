#pragma once
// Matching the paper stored in a document against the paper database, when a document is
// opened or its paper chosen again.
#include <memory>

class TPaperInfo;
class TPapersV2;

// The paper the document should use:
// - a paper of the same name in the database: a copy of the document's paper with the
//   database paper's group (the group of a direct-print paper is kept);
// - a read-only paper of an older catalogue: its name migrated through "V1ToV2PaperInfo"
//   and "V2ToV3PaperInfo" (without an entry in the latter, the name loses everything up to
//   its first space); a database paper of that name is used as a copy in the document's
//   orientation;
// - otherwise the document's paper with its group migrated through "V2ToV3GroupInfo".
std::unique_ptr<TPaperInfo> MatchDocumentPaper(TPapersV2& database, const TPaperInfo& documentPaper);
