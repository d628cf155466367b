// "lumarest papers [--json]": lists the system paper catalogue: each paper's name, group,
// maker, kind, sheet size and faces, as a table or (--json) as a JSON array of the papers'
// descriptions.
#include "cli_command.h"

#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "catalogue/paper/paper_json.h"
#include "core/error.h"
#include "core/frame/data_files.h"
#include "core/canvas/units.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

int Run(const QStringList& arguments);

const TCliRegistration registration{{"papers", "[--json]", "用紙カタログの用紙を一覧します", &Run}};

const QString kCatalogueFile = QStringLiteral("Lumarest.ppr");

QString Maker(TPapersV2& papers, const TPaperInfo& paper)
{
    const std::unique_ptr<TExtraPaperInfo> extra = papers.ExtraInfo(QStringLiteral("ExtraInfos"), paper.PaperName());
    const auto* info = dynamic_cast<const TExPaperInfo*>(extra.get());
    return info ? info->Company() : QString();
}

// Columns x rows for a grid, else the number of faces.
QString FaceLayout(const TPaperInfo& paper)
{
    if (const auto* matrix = dynamic_cast<const TMatrixPaperInfo*>(&paper))
        return QStringLiteral("%1x%2").arg(matrix->FaceCountX()).arg(matrix->FaceCountY());
    return QString::number(paper.FaceCount());
}

QString TableRow(TPapersV2& papers, const TPaperInfo& paper)
{
    return QStringList{paper.PaperName(),
                       paper.GroupName(),
                       Maker(papers, paper),
                       FaceLayout(paper),
                       QStringLiteral("%1 x %2mm").arg(FormatMillimetres(paper.Width()), FormatMillimetres(paper.Height())),
                       papers.IsDirectPrintPaper(paper) ? QStringLiteral("ダイレクトプリント") : QStringLiteral("ラベル用紙")}
               .join(QLatin1Char('\t'))
           + QLatin1Char('\n');
}

int Run(const QStringList& arguments)
{
    bool json = false;
    for (const QString& argument : arguments) {
        if (argument != QLatin1String("--json"))
            return CliUsage(*FindCliCommand(QStringLiteral("papers")));
        json = true;
    }
    const QString file = LocateDataFile(kCatalogueFile);
    if (file.isEmpty()) {
        CliError(QStringLiteral("アプリケーションに必要なファイル「%1」が開けませんでした").arg(kCatalogueFile));
        return 1;
    }
    try {
        TPapersV2 papers(file, false, true);
        papers.AttachExtensionStores();
        if (json) {
            QJsonArray list;
            for (int i = 0; i < papers.Count(); ++i) {
                const TPaperInfo& paper = papers.Paper(i);
                list.append(PaperJson(paper, Maker(papers, paper), papers.IsDirectPrintPaper(paper)));
            }
            CliOut(QString::fromUtf8(QJsonDocument(list).toJson()));
            return 0;
        }
        QString table = QStringLiteral("用紙名\tグループ\tメーカー\t面数\t用紙サイズ\t印刷方法\n");
        for (int i = 0; i < papers.Count(); ++i)
            table += TableRow(papers, papers.Paper(i));
        CliOut(table);
    } catch (const std::exception& error) {
        CliError(QStringLiteral("%1: %2").arg(file, ErrorText(error)));
        return 1;
    }
    return 0;
}

} // namespace
