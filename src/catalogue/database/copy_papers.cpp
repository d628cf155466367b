#include "catalogue/database/copy_papers.h"

#include "catalogue/database/papers_v2.h"

#include <QDateTime>

namespace {

bool HasReadOnlyPaper(const TPapers& papers, const QString& name)
{
    const int index = papers.IndexOfName(name);
    return index >= 0 && papers.Paper(index).ReadOnly();
}

} // namespace

void CopyPapers(TPapersV2& target, TPapersV2& source, bool copyUser, const TCopyProgress& progress, bool copySystem)
{
    const int total = source.Count();
    for (int i = 0; i < total; ++i) {
        if (progress)
            progress(i + 1, total);
        const TPaperInfo& paper = source.Paper(i);
        if (paper.ReadOnly() ? !copySystem : !copyUser)
            continue;
        std::unique_ptr<TPaperInfo> copy = paper.Clone();
        if (!paper.ReadOnly())
            while (HasReadOnlyPaper(target, copy->PaperName()))
                copy->SetPaperName(copy->PaperName() + QLatin1Char('$'));
        target.SavePaper(*copy);
        for (const auto& store : source.Stores()) {
            std::unique_ptr<TExtraPaperInfo> record = store->Get(paper.PaperName());
            if (!record)
                continue;
            record->SetPaperName(copy->PaperName());
            target.SetExtraInfo(store->StorageName(), *record);
        }
    }
    if (copySystem) {
        TPaperUpdate update;
        update.SetPPRNo(source.UpdateInfo().PPRNo());
        update.SetLastUpdateTime(QDateTime::currentDateTime());
        target.SetUpdateInfo(update);
        target.SetCompanyList(source.CompanyList());
        target.SetGroupList(source.GroupList());
        target.CopyGlobalInfo(source);
    }
    target.SetModified(true);
}
