#include "document/new_document.h"

#include "catalogue/database/extra_paper_info.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/free_paper_info.h"
#include "core/error.h"
#include "core/frame/settings.h"
#include "document/label_data.h"

std::unique_ptr<TLabelData> NewDocumentWithPaper(TPapersV2& papers, const QString& paperName)
{
    int index = -1;
    if (!paperName.isEmpty()) {
        index = papers.IndexOfName(paperName);
        if (index < 0)
            throw EAppError(QStringLiteral("用紙「%1」が見つかりません").arg(paperName));
    } else {
        index = std::max(0, papers.IndexOfName(ReadString(QStringLiteral("DefaultPaperName"), {})));
    }
    if (index >= papers.Count())
        throw EAppError(QStringLiteral("用紙情報がありません"));

    std::unique_ptr<TPaperInfo> paper = papers.Paper(index).Clone();
    paper->SetLandscape(ReadBool(QStringLiteral("DefaultLandScape"), false));
    auto document = std::make_unique<TLabelData>();
    document->SetPaper(*paper);
    document->SetSeparatelyDesign(dynamic_cast<const TFreePaperInfo*>(paper.get()) ||
                                  ReadBool(QStringLiteral("DefaultDesign"), true));
    const std::unique_ptr<TExtraPaperInfo> extra = papers.ExtraInfo(QStringLiteral("ExtraInfos"), paper->PaperName());
    document->SetExtraInfo(dynamic_cast<const TExPaperInfo*>(extra.get()));
    const std::unique_ptr<TExtraPaperInfo> images = papers.ExtraInfo(QStringLiteral("PaperImages"), paper->PaperName());
    document->SetImageInfo(dynamic_cast<const TImagePaperInfo*>(images.get()));
    document->SetModified(false);
    return document;
}
