#pragma once
// Copying papers between paper databases: user papers (start-up merge, shutdown write-back,
// exchange files) or system papers (catalogue maintenance).
#include <functional>

class TPapersV2;

// Called before each paper with its 1-based number and the number of papers.
using TCopyProgress = std::function<void(int number, int total)>;

// Copies the source's read-only papers when copySystem is set and its other papers when
// copyUser is set, each with its extension records. A user paper named like a read-only
// paper of the target gets "$" appended until no read-only paper has its name. With
// copySystem the update number, the maker and group lists and the global tables come
// along too. The target becomes modified.
void CopyPapers(TPapersV2& target, TPapersV2& source, bool copyUser, const TCopyProgress& progress = {},
                bool copySystem = false);
