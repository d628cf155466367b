// "lumarest info [--json] FILE.cld": the document's name, dates and sheets, each with its
// paper and the objects of each designed face.
#include "shell/cli/cli_command.h"
#include "shell/cli/document_commands.h"

#include "catalogue/database/extra_paper_info.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/paper_info.h"
#include "catalogue/paper/paper_json.h"
#include "core/model/draw_object.h"
#include "core/error.h"
#include "core/frame/data_files.h"
#include "document/label_data.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace {

int Run(const QStringList& arguments);

const TCliRegistration registration{
    {"info", "[--json] FILE.cld", "文書の名前、日付、シートと用紙、面ごとのオブジェクトを表示します", &Run}};

// A date, or null for a date the document never had.
QJsonValue DateValue(const QDateTime& time)
{
    if (!time.isValid() || time.date() <= QDate(1899, 12, 30))
        return QJsonValue::Null;
    return time.toString(Qt::ISODate);
}

QJsonArray Designs(TLabelData& document)
{
    QJsonArray designs;
    const int faces = document.Paper() ? document.Paper()->FaceCount() : 0;
    for (int face = 0; face < (document.SeparatelyDesign() ? faces : std::min(faces, 1)); ++face) {
        if (!document.HasDesign(face))
            continue;
        QJsonArray objects;
        for (const std::unique_ptr<TDrawObject>& object : document.LoadObjects(face)) {
            const TRect bounds = object->GetBounds();
            objects.append(QJsonObject{{QStringLiteral("class"), object->ClassName()},
                                       {QStringLiteral("left"), bounds.Left},
                                       {QStringLiteral("top"), bounds.Top},
                                       {QStringLiteral("width"), RectWidth(bounds)},
                                       {QStringLiteral("height"), RectHeight(bounds)}});
        }
        designs.append(QJsonObject{{QStringLiteral("face"), face}, {QStringLiteral("objects"), objects}});
    }
    return designs;
}

QJsonObject DocumentJson(TLabelData& document, TPapersV2* catalogue)
{
    QJsonArray sheets;
    const int shown = document.CurrentSheet();
    for (int sheet = 0; sheet < document.SheetCount(); ++sheet) {
        document.SetCurrentSheet(sheet);
        QJsonValue paper = QJsonValue::Null;
        if (const TPaperInfo* info = document.Paper())
            paper = PaperJson(*info, document.ExtraInfo().Company(), catalogue && catalogue->IsDirectPrintPaper(*info));
        sheets.append(QJsonObject{{QStringLiteral("name"), document.SheetName()},
                                  {QStringLiteral("separatelyDesign"), document.SeparatelyDesign()},
                                  {QStringLiteral("paper"), paper},
                                  {QStringLiteral("designs"), Designs(document)}});
    }
    document.SetCurrentSheet(shown);
    return QJsonObject{{QStringLiteral("dataName"), document.DataName()},
                       {QStringLiteral("currentSheet"), shown},
                       {QStringLiteral("lastSave"), DateValue(document.LastSave())},
                       {QStringLiteral("lastPrint"), DateValue(document.LastPrint())},
                       {QStringLiteral("sheets"), sheets}};
}

QString Text(const QJsonObject& json)
{
    QString text = QStringLiteral("データ名\t%1\n最終保存\t%2\n最終印刷\t%3\n")
                       .arg(json[QStringLiteral("dataName")].toString(), json[QStringLiteral("lastSave")].toString(),
                            json[QStringLiteral("lastPrint")].toString());
    for (const QJsonValue& sheet : json[QStringLiteral("sheets")].toArray()) {
        const QJsonObject object = sheet.toObject();
        text += QStringLiteral("シート\t%1\t%2\n")
                    .arg(object[QStringLiteral("name")].toString(),
                         object[QStringLiteral("paper")].toObject()[QStringLiteral("name")].toString());
        for (const QJsonValue& design : object[QStringLiteral("designs")].toArray())
            text += QStringLiteral("  面 %1\tオブジェクト %2\n")
                        .arg(design[QStringLiteral("face")].toInt() + 1)
                        .arg(design[QStringLiteral("objects")].toArray().size());
    }
    return text;
}

int Run(const QStringList& arguments)
{
    bool json = false;
    QString path;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--json"))
            json = true;
        else if (path.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            path = argument;
        else
            return CliUsage(*FindCliCommand(QStringLiteral("info")));
    }
    if (path.isEmpty())
        return CliUsage(*FindCliCommand(QStringLiteral("info")));
    const std::unique_ptr<TLabelData> document = OpenCliDocument(path);
    if (!document)
        return 1;
    try {
        // The catalogue tells direct-print papers apart; without it none is.
        std::optional<TPapersV2> catalogue;
        const QString catalogueFile = LocateDataFile(QStringLiteral("Lumarest.ppr"));
        if (!catalogueFile.isEmpty())
            catalogue.emplace(catalogueFile, false, true);
        const QJsonObject info = DocumentJson(*document, catalogue ? &*catalogue : nullptr);
        CliOut(json ? QString::fromUtf8(QJsonDocument(info).toJson()) : Text(info));
    } catch (const std::exception& error) {
        CliError(ErrorText(error));
        return 1;
    }
    return 0;
}

} // namespace
