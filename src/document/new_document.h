#pragma once
// A new document on a paper of the paper database, set up as the user's settings ask.
#include <QString>
#include <memory>

class TLabelData;
class TPapersV2;

// A new document on the named paper, or, for an empty name, on the paper named by the
// setting "DefaultPaperName" (the first paper when that name is unknown): landscape as
// "DefaultLandScape" says, each face designed separately for free papers and as
// "DefaultDesign" says for the others, with the paper's extra information and pattern
// images from the database. Fails when the named paper is not in the database or the
// database holds no paper.
std::unique_ptr<TLabelData> NewDocumentWithPaper(TPapersV2& papers, const QString& paperName = {});
