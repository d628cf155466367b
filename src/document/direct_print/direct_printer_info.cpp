#include "document/direct_print/direct_printer_info.h"

#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/free_paper_info.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "catalogue/paper/purpose_list.h"
#include "core/face/face_shape.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace {

int IntegerAttribute(const QXmlStreamAttributes& attributes, const char* name)
{
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

TDirectPrinterInfo::TDirectPrinterInfo(const QString& xml)
{
    QXmlStreamReader reader(xml);
    TDirectPrinterModel* model = nullptr;
    bool rootSeen = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() == QLatin1String("PrinterData")) {
            model = nullptr;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QStringView name = reader.name();
        if (!rootSeen) {
            if (name != QLatin1String("DirectPrinterInfo")) {
                error_ = QStringLiteral("ダイレクトプリンタの情報が正しくありません。");
                break;
            }
            rootSeen = true;
        } else if (name == QLatin1String("PrinterData")) {
            TDirectPrinterModel entry;
            entry.Name = attributes.value(QLatin1String("PrinterName")).toString();
            entry.TrayWidth = IntegerAttribute(attributes, "TrayWidth");
            entry.TrayHeight = IntegerAttribute(attributes, "TrayHeight");
            entry.CenterX = IntegerAttribute(attributes, "CenterX");
            entry.CenterY = IntegerAttribute(attributes, "CenterY");
            entry.MaxOuterWidth = IntegerAttribute(attributes, "MaxOuterWidth");
            entry.MaxOuterHeight = IntegerAttribute(attributes, "MaxOuterHeight");
            entry.MinInnerWidth = IntegerAttribute(attributes, "MinInnerWidth");
            entry.MinInnerHeight = IntegerAttribute(attributes, "MinInnerHeight");
            models_.push_back(std::move(entry));
            model = &models_.back();
        } else if (model && name == QLatin1String("FaceShape")) {
            model->FaceShapes << attributes.value(QLatin1String("ShapeName")).toString();
        } else if (model && name == QLatin1String("Purpose")) {
            model->Purposes << attributes.value(QLatin1String("PurposeName")).toString();
        }
    }
    if (reader.hasError() || (error_.isEmpty() && !rootSeen && !xml.trimmed().isEmpty())) {
        models_.clear();
        error_ = QStringLiteral("ダイレクトプリンタの情報が正しくありません。");
    }
    std::erase_if(models_, [](const TDirectPrinterModel& entry) { return entry.Name.isEmpty(); });
}

TDirectPrinterInfo TDirectPrinterInfo::FromCatalogue(TPapersV2& papers)
{
    return TDirectPrinterInfo(papers.GlobalText(QStringLiteral("DirectPrinter")).join(QLatin1Char('\n')));
}

QStringList TDirectPrinterInfo::ModelNames() const
{
    QStringList names;
    for (const TDirectPrinterModel& model : models_)
        names << model.Name;
    return names;
}

bool TDirectPrinterInfo::Select(const QString& name)
{
    selected_ = nullptr;
    for (const TDirectPrinterModel& model : models_)
        if (model.Name == name)
            selected_ = &model;
    return selected_ != nullptr;
}

QStringList FirstPurposeNames(const TPaperInfo& paper)
{
    QStringList names;
    if (paper.PurposeList() && paper.PurposeList()->Count() > 0) {
        const TPurposeInfo* purpose = paper.PurposeList()->Purpose(0);
        names << purpose->ID() << purpose->DisplayName();
    } else if (paper.FaceCount() > 0) {
        names << paper.FacePurpose(0);
    }
    return names;
}

bool TDirectPrinterInfo::Suits(TPapersV2& papers, const TPaperInfo& paper) const
{
    if (!selected_ || paper.FaceCount() == 0 || !papers.IsDirectPrintPaper(paper))
        return false;
    const char* shape = FaceShapeType.IdentifierOf(paper.FaceShape(0));
    if (!shape || !selected_->FaceShapes.contains(QLatin1String(shape)))
        return false;
    const QStringList purposes = FirstPurposeNames(paper);
    return std::any_of(purposes.begin(), purposes.end(), [&](const QString& purpose) {
        return !purpose.isEmpty() && selected_->Purposes.contains(purpose);
    });
}

std::unique_ptr<TPaperInfo> TDirectPrinterInfo::CopyForModel(const TPaperInfo& paper) const
{
    if (!selected_)
        return nullptr;
    std::unique_ptr<TPaperInfo> copy = paper.Clone();
    const TDirectPrinterModel& model = *selected_;
    copy->SetGroupName(model.Name);
    copy->SetWidth(model.TrayWidth);
    copy->SetHeight(model.TrayHeight);
    if (copy->FaceCount() == 0)
        return copy;
    const TRect rect = copy->FaceRect(0);
    const QSize hole = copy->CutCenterSize(0);
    const int width = std::min(RectWidth(rect), model.MaxOuterWidth);
    const int height = std::min(RectHeight(rect), model.MaxOuterHeight);
    const int left = model.CenterX - width / 2;
    const int top = model.CenterY - height / 2;
    const int holeWidth = std::max(hole.width(), model.MinInnerWidth);
    const int holeHeight = std::max(hole.height(), model.MinInnerHeight);
    if (auto* matrix = dynamic_cast<TMatrixPaperInfo*>(copy.get())) {
        matrix->SetLeftOffset(left);
        matrix->SetTopOffset(top);
        matrix->SetFaceWidth(width);
        matrix->SetFaceHeight(height);
        matrix->SetCutCenterWidth(holeWidth);
        matrix->SetCutCenterHeight(holeHeight);
    } else if (auto* free = dynamic_cast<TFreePaperInfo*>(copy.get())) {
        TFaceItem* face = free->Faces()->Face(0);
        face->SetFaceRect({left, top, left + width, top + height});
        face->SetCutCenterWidth(holeWidth);
        face->SetCutCenterHeight(holeHeight);
    }
    return copy;
}

QString MigrationModel(const TDirectPrinterInfo& printers, const QString& lastPrinter, const QString& lastSelected)
{
    const QStringList models = printers.ModelNames();
    for (const QString& candidate : {lastPrinter, lastSelected})
        if (!candidate.isEmpty() && models.contains(candidate))
            return candidate;
    return models.isEmpty() ? QString() : models.front();
}
