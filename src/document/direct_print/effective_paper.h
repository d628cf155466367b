#pragma once
// The paper that layout and printing use. A direct-print paper is laid out on its model's
// tray with the disc centred on the tray's disc centre and the user's size adjustment
// applied; every other paper is used as it is.
#include <memory>

class TPaperInfo;
class TPapersV2;

// The paper catalogue that tells direct-print papers and their models apart; the
// application installs it once its catalogue is open (nullptr: none, every paper is used
// as it is). The caller keeps ownership.
TPapersV2* DirectPrintCatalogue();
void SetDirectPrintCatalogue(TPapersV2* papers);

// The effective paper of a document's paper.
std::unique_ptr<TPaperInfo> MakeEffectivePaper(const TPaperInfo& paper);
