#include "editing/commands/standard_commands.h"

#include "core/model/label_object.h"
#include "core/model/object_interfaces.h"
#include "core/model/placement.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/object_clipboard.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <QMimeData>
#include <algorithm>

namespace {

template <class Keep>
void KeepOnly(std::vector<TDrawObject*>& targets, Keep keep)
{
    targets.erase(std::remove_if(targets.begin(), targets.end(), [&](TDrawObject* object) { return !keep(*object); }),
                  targets.end());
}

} // namespace

TDSABringToFront::TDSABringToFront()
{
    Caption = QStringLiteral("前面に移動(&W)");
    ActionType = atLayer;
    ActionString = QStringLiteral("最前面");
}

void TDSABringToFront::EachObject(TEditSite&, TDrawObject& object)
{
    object.BringToFrontInGroup();
}

TDSASendToBack::TDSASendToBack()
{
    Caption = QStringLiteral("背面に移動(&K)");
    ActionType = atLayer;
    FromFront = true;
}

void TDSASendToBack::EachObject(TEditSite&, TDrawObject& object)
{
    object.SendToBackInGroup();
}

TDSACopy::TDSACopy()
{
    Caption = QStringLiteral("コピー(&C)");
}

void TDSACopy::ExecuteFirst(TEditSite& site)
{
    CopyObjectsToClipboard(site.Context().Clipboard(), site, targets_);
}

TDSAClear::TDSAClear()
{
    Caption = QStringLiteral("クリア(&D)");
    ActionType = atDelete;
}

TDSACut::TDSACut()
{
    Caption = QStringLiteral("切り取り(&T)");
}

void TDSACut::ExecuteFirst(TEditSite& site)
{
    CopyObjectsToClipboard(site.Context().Clipboard(), site, targets_);
}

// --- paste -----------------------------------------------------------------------------------

TDSAPaste::TDSAPaste()
{
    Caption = QStringLiteral("貼り付け(&P)");
    ActionType = atAdd;
}

TDSAPaste::~TDSAPaste() = default;

bool TDSAPaste::Enabled(TEditSite& site)
{
    return CanPaste(site.Context().Clipboard());
}

void TDSAPaste::Execute(TEditSite& site)
{
    site.AbandonGhosts();
    if (!Enabled(site))
        return;
    IClipboard& clipboard = site.Context().Clipboard();
    pasted_ = PasteObjectsFromClipboard(clipboard);
    targets_.clear();
    for (const auto& object : pasted_)
        targets_.push_back(object.get());
    KeepInside(targets_, {0, 0, site.LogWidth(), site.LogHeight()});
    if (targets_.empty()) {
        // No objects: a text or picture object made by the creation tool from the clipboard.
        // The first of text and picture in the clipboard's own order decides.
        const QMimeData* data = clipboard.MimeData();
        if (!data)
            return;
        for (const QString& format : data->formats()) {
            if (format.startsWith(QLatin1String("text/plain"))) {
                site.Context().Designers().CreateObject(site, QStringLiteral("TLOTextPaste"));
                return;
            }
            if (IsPictureFormat(format)) {
                site.Context().Designers().CreateObject(site, QStringLiteral("TLOImagePaste"));
                return;
            }
        }
        return;
    }
    TActionGroupScope group(site.Context().Actions(), GroupCaption());
    site.SelectAll(false);
    for (auto it = targets_.rbegin(); it != targets_.rend(); ++it) {
        TDrawObject* object = *it;
        EachObject(site, *object);
        auto action = std::make_unique<TDOAddAction>(*object, site);
        action->SetCaption(GroupCaption());
        site.Context().Actions().Push(std::move(action));
    }
    pasted_.clear();
}

void TDSAPaste::EachObject(TEditSite& site, TDrawObject& object)
{
    const auto owned = std::find_if(pasted_.begin(), pasted_.end(), [&](const auto& p) { return p.get() == &object; });
    if (owned == pasted_.end())
        return;
    site.InsertObject(std::move(*owned));
}

// --- selection, locking, printing, writing, properties, turns --------------------------------

TDSASelectAll::TDSASelectAll()
{
    Caption = QStringLiteral("すべて選択(&A)");
    SelectedOnly = false;
}

void TDSASelectAll::Filter(TEditSite&, std::vector<TDrawObject*>& targets)
{
    KeepOnly(targets, [](const TDrawObject& object) { return object.Selectable(); });
}

void TDSASelectAll::EachObject(TEditSite&, TDrawObject& object)
{
    object.SetSelected(true);
}

TDSALock::TDSALock(bool lock) : lock_(lock)
{
    Caption = lock ? QStringLiteral("固定する(&O)") : QStringLiteral("固定しない(&U)");
    ActionType = atChange;
}

void TDSALock::Filter(TEditSite&, std::vector<TDrawObject*>& targets)
{
    KeepOnly(targets, [this](const TDrawObject& object) { return object.Movable() == lock_; });
}

void TDSALock::EachObject(TEditSite&, TDrawObject& object)
{
    object.SetMovable(!lock_);
}

TDSADontPrint::TDSADontPrint(bool dontPrint) : dontPrint_(dontPrint)
{
    Caption = dontPrint ? QStringLiteral("印刷禁止にする(&N)") : QStringLiteral("印刷禁止にしない(&I)");
    ActionType = atChange;
    TargetClassName = QStringLiteral("TLabelObject");
}

void TDSADontPrint::Filter(TEditSite&, std::vector<TDrawObject*>& targets)
{
    KeepOnly(targets, [this](const TDrawObject& object) {
        const auto* label = dynamic_cast<const TLabelObject*>(&object);
        return label && label->DontPrint() != dontPrint_;
    });
}

void TDSADontPrint::EachObject(TEditSite&, TDrawObject& object)
{
    if (auto* label = dynamic_cast<TLabelObject*>(&object))
        label->SetDontPrint(dontPrint_);
}

TDSAVertText::TDSAVertText(bool vertical) : vertical_(vertical)
{
    Caption = vertical ? QStringLiteral("縦書き(&V)") : QStringLiteral("横書き(&H)");
    ActionType = atChange;
}

void TDSAVertText::Filter(TEditSite&, std::vector<TDrawObject*>& targets)
{
    KeepOnly(targets, [this](const TDrawObject& object) {
        const auto* text = dynamic_cast<const IDOVertText*>(&object);
        return text && text->Vertical() != vertical_;
    });
}

void TDSAVertText::EachObject(TEditSite&, TDrawObject& object)
{
    if (auto* text = dynamic_cast<IDOVertText*>(&object))
        text->SetVertical(vertical_);
}

TDSAEditProperty::TDSAEditProperty()
{
    Caption = QStringLiteral("プロパティ(&O)");
    TargetClassName = QStringLiteral("TLabelObject");
    MultiSelect = false;
    // The property dialog wraps its edit in its own change action.
    ActionType = atNone;
}

void TDSAEditProperty::EachObject(TEditSite&, TDrawObject& object)
{
    if (auto* label = dynamic_cast<TLabelObject*>(&object))
        label->Edit();
}

TDSAOffsetAngle::TDSAOffsetAngle(const QString& caption, int offsetAngle, const QString& actionString)
    : OffsetAngle(offsetAngle)
{
    Caption = caption;
    ActionString = actionString;
    ActionType = atChange;
}

void TDSAOffsetAngle::Filter(TEditSite&, std::vector<TDrawObject*>& targets)
{
    KeepOnly(targets, [](const TDrawObject& object) { return dynamic_cast<const IDORotate*>(&object) != nullptr; });
}

void TDSAOffsetAngle::EachObject(TEditSite&, TDrawObject& object)
{
    if (auto* rotate = dynamic_cast<IDORotate*>(&object))
        rotate->SetAngle(rotate->Angle() + OffsetAngle);
}

// --- undo and redo ----------------------------------------------------------------------------

TDSAUndo::TDSAUndo()
{
    Caption = QStringLiteral("取り消し(&U)");
}

bool TDSAUndo::Enabled(TEditSite& site)
{
    return site.Context().Actions().CanUndo();
}

void TDSAUndo::Execute(TEditSite& site)
{
    site.AbandonGhosts();
    if (!Enabled(site))
        return;
    site.SelectAll(false);
    site.Context().Actions().Undo();
}

TDSARedo::TDSARedo()
{
    Caption = QStringLiteral("やり直し(&R)");
}

bool TDSARedo::Enabled(TEditSite& site)
{
    return site.Context().Actions().CanRedo();
}

void TDSARedo::Execute(TEditSite& site)
{
    site.AbandonGhosts();
    if (!Enabled(site))
        return;
    site.SelectAll(false);
    site.Context().Actions().Redo();
}

QString UndoMenuCaption(const TActionList& list)
{
    const QString caption = list.CanUndo() ? list.UndoCaption() : QString();
    return caption.isEmpty() ? QStringLiteral("取り消し(&U)") : QStringLiteral("%1の取り消し(&U)").arg(caption);
}

QString RedoMenuCaption(const TActionList& list)
{
    const QString caption = list.CanRedo() ? list.RedoCaption() : QString();
    return caption.isEmpty() ? QStringLiteral("やり直し(&R)") : QStringLiteral("%1のやり直し(&R)").arg(caption);
}
