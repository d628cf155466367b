#include "shell/info_command.h"

#include "catalogue/product/product_info.h"
#include "catalogue/ui/product_info_dialog.h"
#include "core/messages.h"
#include "core/model/draw_object.h"
#include "document/data_fields.h"
#include "document/label_data.h"
#include "editing/actions/object_actions.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

const char* const kApplyProductQuestion = "プロダクト情報をラベルの文字に反映しますか？";

namespace {

// Fills the site's bound texts; every object that changes (a group when one of its members
// does) is recorded in one undoable step, and only those are copied for it.
void FillSite(TEditSite* site, std::initializer_list<TFieldType> types, const TLabelData& document)
{
    if (!site)
        return;
    const TDataFieldRecords records{&document.ProductInfo(), &document.CreatorInfoJ(), &document.CreatorInfoE()};
    TActionList& actions = site->Context().Actions();
    TActionGroupScope group(actions, QStringLiteral("設定変更"));
    for (TDrawObject* object : site->GetObjects(false)) {
        const std::vector<TDataFieldFill> fills = DataFieldFills({object}, types, records);
        if (fills.empty())
            continue;
        auto action = std::make_unique<TDOChangeAction>(*object);
        action->SetCaption(QStringLiteral("設定変更"));
        ApplyDataFieldFills(fills);
        // Forced: a group hears nothing of its members' changes.
        TDOChangeAction::Finish(std::move(action), actions, true);
    }
}

} // namespace

bool RunProductInfoCommand(QWidget* parent, TLabelData& document, TEditSite* site)
{
    TfrmProductInfo dialog(QStringLiteral("プロダクト情報の編集"), {{QStringLiteral("プロダクト"), &document.ProductInfo(), {}}},
                           parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.WriteBack();
    document.SetModified(true);
    if (AskYesNo(QString::fromUtf8(kApplyProductQuestion)))
        FillSite(site, {ftProduct}, document);
    return true;
}

bool RunCreatorInfoCommand(QWidget* parent, TLabelData& document, TEditSite* site)
{
    TfrmProductInfo dialog(QStringLiteral("クリエーター情報の編集"),
                           {{QStringLiteral("クリエーター"), &document.CreatorInfoJ(), {}},
                            {QStringLiteral("クリエーター(英語)"), &document.CreatorInfoE(), CreatorEnglishFieldNames()}},
                           parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.WriteBack();
    document.SetModified(true);
    FillSite(site, {ftCreatorJapanese, ftCreatorEnglish}, document);
    return true;
}
