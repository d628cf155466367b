#include "editing/ui/edit_actions.h"

#include "core/error.h"
#include "core/messages.h"
#include "core/model/draw_object.h"
#include "editing/clipboard/clipboard.h"
#include "editing/commands/alignment.h"
#include "editing/commands/group_commands.h"
#include "editing/commands/standard_commands.h"
#include "editing/site/edit_context.h"
#include "editing/site/notify_catcher.h"
#include "editing/ui/alignment_dialogs.h"
#include "editing/ui/draw_site.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace {

enum class TTextRequest { Undo, Redo, Cut, Copy, Paste, Clear };

// The text editor that has the focus: a line edit (also a combo box's), a rich or a plain
// text edit.
class TTextTarget {
public:
    TTextTarget()
    {
        QWidget* focus = QApplication::focusWidget();
        if (auto* combo = qobject_cast<QComboBox*>(focus))
            focus = combo->lineEdit();
        line_ = qobject_cast<QLineEdit*>(focus);
        text_ = qobject_cast<QTextEdit*>(focus);
        plain_ = qobject_cast<QPlainTextEdit*>(focus);
    }

    explicit operator bool() const { return line_ || text_ || plain_; }

    bool Enabled(TTextRequest request) const
    {
        const bool editable = line_ ? !line_->isReadOnly() : text_ ? !text_->isReadOnly() : !plain_->isReadOnly();
        switch (request) {
        case TTextRequest::Undo:
            return editable && (line_ ? line_->isUndoAvailable() : text_ ? text_->document()->isUndoAvailable()
                                                                         : plain_->document()->isUndoAvailable());
        case TTextRequest::Redo: return false;
        case TTextRequest::Copy: return HasSelection();
        case TTextRequest::Cut:
        case TTextRequest::Clear: return editable && HasSelection();
        case TTextRequest::Paste: {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            return editable && data && data->hasText();
        }
        }
        return false;
    }

    void Run(TTextRequest request) const
    {
        if (line_)
            Apply(*line_, request, [this] { line_->del(); });
        else if (text_)
            Apply(*text_, request, [this] { text_->textCursor().removeSelectedText(); });
        else if (plain_)
            Apply(*plain_, request, [this] { plain_->textCursor().removeSelectedText(); });
    }

private:
    bool HasSelection() const
    {
        return line_ ? line_->hasSelectedText() : text_ ? text_->textCursor().hasSelection() : plain_->textCursor().hasSelection();
    }

    template <class Editor, class ClearSelection>
    static void Apply(Editor& editor, TTextRequest request, ClearSelection clear)
    {
        switch (request) {
        case TTextRequest::Undo: editor.undo(); break;
        case TTextRequest::Redo: break;
        case TTextRequest::Cut: editor.cut(); break;
        case TTextRequest::Copy: editor.copy(); break;
        case TTextRequest::Paste: editor.paste(); break;
        case TTextRequest::Clear: clear(); break;
        }
    }

    QLineEdit* line_ = nullptr;
    QTextEdit* text_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
};

} // namespace

// One action with what it runs and when it is enabled.
struct TEditActions::TBinding {
    QAction* action = nullptr;
    std::unique_ptr<TDrawSiteCommand> command;
    std::function<bool()> enabled;
};

TEditActions::TEditActions(TEditContext& context, std::function<TDrawSite*()> siteOf, QWidget* window)
    : QObject(window), context_(context), siteOf_(std::move(siteOf)), window_(window),
      catcher_(std::make_unique<TDSNotifyCatcher>())
{
    const auto routed = [this](std::unique_ptr<TDrawSiteCommand> command, const QKeySequence& shortcut, TTextRequest request) {
        QAction* action = AddCommand(std::move(command), shortcut);
        TBinding& binding = *bindings_.back();
        TDrawSiteCommand* raw = binding.command.get();
        binding.enabled = [this, raw, request] {
            if (const TTextTarget text; text)
                return text.Enabled(request);
            TDrawSite* site = siteOf_();
            return site && raw->Enabled(site->Site());
        };
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this, raw, request] {
            if (const TTextTarget text; text) {
                text.Run(request);
                ScheduleRefresh();
                return;
            }
            Run([this, raw] {
                if (TDrawSite* site = siteOf_())
                    raw->Execute(site->Site());
            });
        });
        return action;
    };
    Undo = routed(std::make_unique<TDSAUndo>(), QKeySequence(Qt::CTRL | Qt::Key_Z), TTextRequest::Undo);
    Redo = routed(std::make_unique<TDSARedo>(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z), TTextRequest::Redo);
    Cut = routed(std::make_unique<TDSACut>(), QKeySequence(Qt::CTRL | Qt::Key_X), TTextRequest::Cut);
    Copy = routed(std::make_unique<TDSACopy>(), QKeySequence(Qt::CTRL | Qt::Key_C), TTextRequest::Copy);
    Paste = routed(std::make_unique<TDSAPaste>(), QKeySequence(Qt::CTRL | Qt::Key_V), TTextRequest::Paste);
    Clear = routed(std::make_unique<TDSAClear>(), QKeySequence(Qt::Key_Delete), TTextRequest::Clear);
    SelectAll = AddCommand(std::make_unique<TDSASelectAll>(), QKeySequence(Qt::CTRL | Qt::Key_A));
    Lock = AddCommand(std::make_unique<TDSALock>(true), {});
    Unlock = AddCommand(std::make_unique<TDSALock>(false), {});
    DontPrint = AddCommand(std::make_unique<TDSADontPrint>(true), {});
    DoPrint = AddCommand(std::make_unique<TDSADontPrint>(false), {});
    VertText = AddCommand(std::make_unique<TDSAVertText>(true), {});
    HorzText = AddCommand(std::make_unique<TDSAVertText>(false), {});
    Property = AddCommand(std::make_unique<TDSAEditProperty>(), {});
    const QString turnCaption = QStringLiteral("設定変更");
    RotateRight = AddCommand(std::make_unique<TDSAOffsetAngle>(QStringLiteral("右に90ﾟ(&I)"), 90, turnCaption), {});
    Rotate180 = AddCommand(std::make_unique<TDSAOffsetAngle>(QStringLiteral("180ﾟ(&O)"), 180, turnCaption), {});
    RotateLeft = AddCommand(std::make_unique<TDSAOffsetAngle>(QStringLiteral("左に90ﾟ(&E)"), 270, turnCaption), {});
    BringToFront = AddCommand(std::make_unique<TDSABringToFront>(), QKeySequence(Qt::CTRL | Qt::Key_F));
    SendToBack = AddCommand(std::make_unique<TDSASendToBack>(), QKeySequence(Qt::CTRL | Qt::Key_B));
    Group = AddCommand(std::make_unique<TDSOGrouping>(), QKeySequence(Qt::CTRL | Qt::Key_G));
    Ungroup = AddCommand(std::make_unique<TDSOUnGrouping>(), QKeySequence(Qt::CTRL | Qt::Key_U));
    Align = AddAction(
        QStringLiteral("位置揃え(&O)..."), {},
        [this] {
            TDrawSite* site = siteOf_();
            if (!site || !CanAlign(site->Site()))
                return;
            if (const std::optional<TAlignment> alignment = AskAlignment(window_))
                AlignObjects(site->Site(), *alignment);
        },
        [this] {
            TDrawSite* site = siteOf_();
            return site && CanAlign(site->Site());
        });
    AdjustPosition = AddAction(
        QStringLiteral("位置合わせ(&A)..."), {},
        [this] {
            TDrawSite* site = siteOf_();
            if (!site || !CanAdjustPosition(site->Site()))
                return;
            if (const std::optional<TAdjustPosition> adjustment = AskAdjustPosition(window_))
                ::AdjustPosition(site->Site(), *adjustment, faceRegion_ ? faceRegion_() : QRegion());
        },
        [this] {
            TDrawSite* site = siteOf_();
            return site && CanAdjustPosition(site->Site());
        });

    catcher_->OnSelectChanged = [this] { ScheduleRefresh(); };
    catcher_->OnMovableChanged = [this] { ScheduleRefresh(); };
    clipboardHandler_ = context_.Clipboard().AddOnChanged([this] { ScheduleRefresh(); });
    connect(qApp, &QApplication::focusChanged, this, [this] { ScheduleRefresh(); });
    SiteChanged();
}

TEditActions::~TEditActions()
{
    context_.Clipboard().RemoveOnChanged(clipboardHandler_);
}

QAction* TEditActions::AddAction(const QString& caption, const QKeySequence& shortcut, std::function<void()> run,
                                 std::function<bool()> enabled)
{
    auto* action = new QAction(caption, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] { Run(run); });
    auto binding = std::make_unique<TBinding>();
    binding->action = action;
    binding->enabled = std::move(enabled);
    bindings_.push_back(std::move(binding));
    return action;
}

QAction* TEditActions::AddCommand(std::unique_ptr<TDrawSiteCommand> command, const QKeySequence& shortcut)
{
    TDrawSiteCommand* raw = command.get();
    QAction* action = AddAction(
        command->Caption, shortcut,
        [this, raw] {
            if (TDrawSite* site = siteOf_())
                raw->Execute(site->Site());
        },
        [this, raw] {
            TDrawSite* site = siteOf_();
            return site && raw->Enabled(site->Site());
        });
    bindings_.back()->command = std::move(command);
    return action;
}

void TEditActions::Run(const std::function<void()>& run)
{
    try {
        run();
    } catch (const std::exception& error) {
        ShowError(error);
    }
    if (TDrawSite* site = siteOf_())
        site->update();
    Refresh();
    Q_EMIT Executed();
}

QList<QAction*> TEditActions::EditMenuActions() const
{
    return {Undo,      Redo,     nullptr,  Cut,       Copy,      Paste,    Clear,     nullptr,    SelectAll,
            nullptr,   Lock,     Unlock,   DontPrint, DoPrint,   nullptr,  VertText,  HorzText,   nullptr,
            RotateRight, Rotate180, RotateLeft, nullptr, Property};
}

QList<QAction*> TEditActions::LayoutMenuActions() const
{
    return {BringToFront, SendToBack, nullptr, Group, Ungroup, nullptr, Align, AdjustPosition};
}

void TEditActions::SiteChanged()
{
    TDrawSite* site = siteOf_();
    catcher_->SetDrawSite(site ? &site->Site() : nullptr);
    if (site != watchedSite_) {
        if (watchedSite_)
            disconnect(watchedSite_, nullptr, this, nullptr);
        watchedSite_ = site;
        // A gesture ends with the commands up to date, so that a shortcut right after it
        // works.
        if (site) {
            connect(site, &TDrawSite::Edited, this, &TEditActions::Refresh);
            connect(site, &TDrawSite::ModifiedChanged, this, &TEditActions::ScheduleRefresh);
            connect(site, &QObject::destroyed, this, [this] { watchedSite_ = nullptr; });
        }
    }
    ScheduleRefresh();
}

void TEditActions::ScheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] { Refresh(); });
}

void TEditActions::Refresh()
{
    refreshPending_ = false;
    for (const auto& binding : bindings_) {
        bool enabled = false;
        try {
            enabled = binding->enabled();
        } catch (const std::exception&) {
            // A target list that cannot be made leaves the command disabled.
        }
        binding->action->setEnabled(enabled);
    }
    const bool onText = bool(TTextTarget());
    Undo->setText(onText ? QStringLiteral("取り消し(&U)") : UndoMenuCaption(context_.Actions()));
    Redo->setText(onText ? QStringLiteral("やり直し(&R)") : RedoMenuCaption(context_.Actions()));
}
