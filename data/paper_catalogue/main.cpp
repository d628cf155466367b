// Builds the system paper catalogue from its sources: "paper_catalogue SOURCE-DIR OUTPUT".
// SOURCE-DIR holds catalogue.json and one JSON file per paper (taken in file-name order).
// Every paper must lie on its sheet and have no overlapping faces; any fault in a source
// fails the build with a message naming the file.
#include "catalogue/catalogue_classes.h"
#include "catalogue/database/extra_paper_info.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/purpose_validator.h"
#include "core/error.h"
#include "paper_source.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

void Check(const TPaperInfo& paper, const QString& fileName)
{
    if (const int face = paper.FirstFaceOutside(); face >= 0)
        throw EAppError(QStringLiteral("%1: face %2 is not on the sheet").arg(fileName).arg(face));
    if (const int face = paper.FirstOverlappingFace(); face >= 0)
        throw EAppError(QStringLiteral("%1: face %2 overlaps an earlier face").arg(fileName).arg(face));
}

void Build(const QString& sourceDir, const QString& output)
{
    const QDir sources(sourceDir);
    const TCatalogueSource catalogue = ReadCatalogueSource(sources.filePath(QStringLiteral("catalogue.json")));
    std::vector<TPaperSource> papers;
    QStringList names;
    for (const QString& entry : sources.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        if (entry == QLatin1String("catalogue.json"))
            continue;
        const QString fileName = sources.filePath(entry);
        TPaperSource paper = ReadPaperSource(fileName, *catalogue.Purposes);
        Check(*paper.Paper, fileName);
        if (names.contains(paper.Paper->PaperName()))
            throw EAppError(QStringLiteral("%1: the name \"%2\" is taken").arg(fileName, paper.Paper->PaperName()));
        names.append(paper.Paper->PaperName());
        papers.push_back(std::move(paper));
    }

    // A fresh file beside the output replaces it only when complete.
    const QString building = output + QStringLiteral(".building");
    QFile::remove(building);
    {
        TPapersV2 database(building, true, false);
        database.AttachExtensionStores();
        database.SetPurposeCatalogue(*catalogue.Purposes);
        for (const TPaperSource& source : papers) {
            database.SavePaper(*source.Paper);
            TExPaperInfo extra;
            extra.SetPaperName(source.Paper->PaperName());
            extra.SetCompany(source.Maker);
            extra.SetPurpose(source.Usage);
            database.SetExtraInfo(QStringLiteral("ExtraInfos"), extra);
        }
        TPaperUpdate update;
        update.SetPPRNo(catalogue.PPRNo);
        update.SetLastUpdateTime(catalogue.LastUpdate);
        database.SetUpdateInfo(update);
        database.SetCompanyList(catalogue.Makers);
        database.SetGroupList(catalogue.Groups);
        for (const auto& [name, lines] : catalogue.GlobalTexts)
            database.SetGlobalText(name, lines);
        database.SetModified(true);
        database.Close();
    }

    // Read back what was written: the papers must come out as they went in.
    {
        TPapersV2 written(building, false, true);
        if (written.Count() != static_cast<int>(papers.size()))
            throw EAppError(QStringLiteral("%1: %2 papers written, %3 read back").arg(output).arg(papers.size()).arg(written.Count()));
        for (int i = 0; i < written.Count(); ++i)
            Check(written.Paper(i), papers[i].Paper->PaperName());
    }
    QFile::remove(output);
    if (!QFile::rename(building, output))
        throw EAppError(QStringLiteral("%1: cannot be written").arg(output));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: paper_catalogue SOURCE-DIR OUTPUT\n");
        return 2;
    }
    RegisterCatalogueClasses();
    const TObsoletePurposeValidator validator;
    const TPurposeValidatorScope installed(validator);
    try {
        Build(arguments[1], arguments[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "paper_catalogue: %s\n", ErrorText(error).toUtf8().constData());
        return 1;
    }
    return 0;
}
