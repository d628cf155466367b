#include "shell/ui/insert_actions.h"

#include "editing/site/edit_context.h"
#include "editing/ui/draw_site.h"
#include "editing/ui/edit_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

struct TCreationCommand {
    const char* name;
    const char* caption;
    const char* className;
};

// The creation commands in menu order; an empty caption separates groups.
constexpr TCreationCommand kCommands[] = {
    {"actText", "文字(&T)...", "TLOText"},
    {"actDate", "日付・時間(&D)...", "TLODate"},
    {"actDecoString", "飾り文字(&I)...", "TLODecoString"},
    {nullptr, nullptr, nullptr},
    {"actLine", "直線(&L)", "TLOLine"},
    {"actArc", "円弧(&A)", "TLOCurve"},
    {"actRect", "四角(&R)", "TLORect"},
    {"actCircle", "円(&E)", "TLOCircle"},
    {"actDecoLine", "飾り罫線(&D)...", "TLODecoLine"},
    {nullptr, nullptr, nullptr},
    {"actAlphaMask", "塗りつぶしイラスト(&A)", "TLOAlphaMask"},
    {"actOnePoint", "ワンポイントイラスト(&O)...", "TLOOnePoint"},
    {"actImageFile", "イメージファイル(&F)...", "TLOImage"},
    {"actArrangedImage", "複数画像(&R)...", "TLOArrangedImage"},
    {"actTwain", "TWAIN取り込み(&T)...", "TLOTwain"},
    {"actBackground", "背景柄(&B)...", "TLOBackImage"},
    {nullptr, nullptr, nullptr},
    {"actJANCode", "JANコード(&J)...", "TLOJANCode"},
    {"actQRStd", "QRコード(&Q)...", "TLOQRStd"},
};

// Clipboard content pasted as a chosen kind of object.
constexpr TCreationCommand kPasteAs[] = {
    {"actPasteText", "文字列(&T)", "TLOTextPaste"},
    {"actPasteBitmap", "ビットマップ(&B)", "TLOBitmapPaste"},
};

} // namespace

QList<QAction*> AddInsertActions(QMainWindow& window, TEditContext& context, TEditActions& editActions,
                                 std::function<TDrawSite*()> siteOf)
{
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("挿入(&I)"));
    QToolBar* tools = window.addToolBar(QStringLiteral("オブジェクト"));
    tools->setObjectName(QStringLiteral("ObjectToolBar"));
    const auto make = [&](const TCreationCommand& command, QMenu* into) {
        auto* action = new QAction(QString::fromUtf8(command.caption), &window);
        action->setObjectName(QLatin1String(command.name));
        action->setData(QString::fromLatin1(command.className));
        QObject::connect(action, &QAction::triggered, &window, [&context, &editActions, siteOf, action] {
            TDrawSite* site = siteOf();
            if (!site)
                return;
            context.Designers().CreateObject(site->Site(), action->data().toString());
            site->update();
            editActions.ScheduleRefresh();
        });
        into->addAction(action);
        return action;
    };
    QList<QAction*> actions;
    for (const TCreationCommand& command : kCommands) {
        if (!command.name) {
            menu->addSeparator();
            tools->addSeparator();
            continue;
        }
        QAction* action = make(command, menu);
        tools->addAction(action);
        actions << action;
    }
    QMenu* pasteAs = menu->addMenu(QStringLiteral("形式を選択して貼り付け(&S)"));
    for (const TCreationCommand& command : kPasteAs)
        actions << make(command, pasteAs);
    return actions;
}
