#include "assets/templates/apply_template.h"

#include "assets/templates/template_list.h"
#include "core/error.h"
#include "core/model/draw_object.h"
#include "core/model/placement.h"
#include "document/data_fields.h"
#include "document/label_data.h"

#include <algorithm>

QString ApplyTemplatePrompt()
{
    return QStringLiteral("このラベルのデータをすべて削除してからテンプレートを呼出します。\r\nよろしいですか？");
}

void ApplyTemplate(const TTemplateInfo& info, TLabelData& target, int face)
{
    TLabelData source;
    source.LoadFromFile(info.FileName);
    if (info.Sheet < 0 || info.Sheet >= source.SheetCount())
        throw EAppError(QStringLiteral("テンプレート「%1」にシート%2がありません").arg(info.FileName).arg(info.Sheet + 1));
    source.SetCurrentSheet(info.Sheet);
    const int label = std::max(info.Label, 0);
    std::vector<std::unique_ptr<TDrawObject>> objects = source.LoadObjects(label);
    // A design is stored front-most first; the loaded objects come back-most first.
    std::vector<TDrawObject*> frontFirst;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        frontFirst.push_back(it->get());
    // The design is scaled from the template's face to this one (a matching face may differ
    // in size), and its bound text fields show this document's information.
    const TRect to = target.FaceArea(face);
    if (!to.IsEmpty())
        ScaleObjects(frontFirst, source.FaceArea(label), to);
    FillDataFields(frontFirst, {ftProduct, ftCreatorJapanese, ftCreatorEnglish},
                   {&target.ProductInfo(), &target.CreatorInfoJ(), &target.CreatorInfoE()});
    target.SaveObjects(face, frontFirst);
    target.SetModified(true);
}
