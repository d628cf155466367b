#include "catalogue/database/paper_matching.h"

#include "catalogue/database/papers_v2.h"
#include "catalogue/database/text_tables.h"

namespace {

QString MigratedPaperName(TPapersV2& database, const QString& name)
{
    const QString v2 = MappedName(database.GlobalText(QStringLiteral("V1ToV2PaperInfo")), name);
    if (const std::optional<QString> v3 = TableValue(database.GlobalText(QStringLiteral("V2ToV3PaperInfo")), v2))
        return *v3;
    const qsizetype space = v2.indexOf(QLatin1Char(' '));
    return space >= 0 ? v2.mid(space + 1) : v2;
}

std::unique_ptr<TPaperInfo> WithMigratedGroup(TPapersV2& database, const TPaperInfo& paper)
{
    std::unique_ptr<TPaperInfo> copy = paper.Clone();
    copy->SetGroupName(MappedName(database.GlobalText(QStringLiteral("V2ToV3GroupInfo")), paper.GroupName()));
    return copy;
}

} // namespace

std::unique_ptr<TPaperInfo> MatchDocumentPaper(TPapersV2& database, const TPaperInfo& documentPaper)
{
    const int index = database.IndexOfName(documentPaper.PaperName());
    if (index >= 0) {
        const TPaperInfo& known = database.Paper(index);
        std::unique_ptr<TPaperInfo> copy = documentPaper.Clone();
        if (!database.IsDirectPrintPaper(known))
            copy->SetGroupName(known.GroupName());
        return copy;
    }
    if (documentPaper.ReadOnly()) {
        const int migrated = database.IndexOfName(MigratedPaperName(database, documentPaper.PaperName()));
        if (migrated >= 0) {
            std::unique_ptr<TPaperInfo> copy = database.Paper(migrated).Clone();
            // The document's sheets were designed in its orientation.
            copy->SetLandscape(documentPaper.Landscape());
            return copy;
        }
    }
    return WithMigratedGroup(database, documentPaper);
}
