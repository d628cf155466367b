#include "assets/templates/apply_template.h"

#include "assets/templates/template_list.h"
#include "core/error.h"
#include "core/model/draw_object.h"
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
    std::vector<std::unique_ptr<TDrawObject>> objects = source.LoadObjects(std::max(info.Label, 0));
    // A design is stored front-most first; the loaded objects come back-most first.
    std::vector<TDrawObject*> frontFirst;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        frontFirst.push_back(it->get());
    target.SaveObjects(face, frontFirst);
    target.SetModified(true);
}
