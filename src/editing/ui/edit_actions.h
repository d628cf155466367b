#pragma once
// The edit commands of the draw site as window actions with their captions and shortcuts:
// undo and redo with the step's caption, the clipboard, selection, locking, printing,
// writing direction, properties, the three fixed turns, order, alignment and position
// adjustment. While a text editor has the focus, the clipboard and undo commands act on
// it instead. Enabled states follow the selection, the clipboard and the focus.
#include <QList>
#include <QObject>
#include <QRegion>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QWidget;
class TDrawSite;
class TDrawSiteCommand;
class TDSNotifyCatcher;
class TEditContext;

class TEditActions : public QObject {
    Q_OBJECT
public:
    // The actions work on the site that siteOf names (none: disabled) and are added to the
    // window, so that their shortcuts work anywhere in it.
    TEditActions(TEditContext& context, std::function<TDrawSite*()> siteOf, QWidget* window);
    ~TEditActions() override;

    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    QAction* Cut = nullptr;
    QAction* Copy = nullptr;
    QAction* Paste = nullptr;
    QAction* Clear = nullptr;
    QAction* SelectAll = nullptr;
    QAction* Lock = nullptr;
    QAction* Unlock = nullptr;
    QAction* DontPrint = nullptr;
    QAction* DoPrint = nullptr;
    QAction* VertText = nullptr;
    QAction* HorzText = nullptr;
    QAction* Property = nullptr;
    QAction* RotateRight = nullptr;
    QAction* Rotate180 = nullptr;
    QAction* RotateLeft = nullptr;
    QAction* BringToFront = nullptr;
    QAction* SendToBack = nullptr;
    QAction* Group = nullptr;
    QAction* Ungroup = nullptr;
    QAction* Align = nullptr;
    QAction* AdjustPosition = nullptr;

    // The actions of the edit menu and of the layout menu, nullptr for a separator.
    QList<QAction*> EditMenuActions() const;
    QList<QAction*> LayoutMenuActions() const;

    // The face shape in the site's logical units, for adjusting positions against it.
    void SetFaceRegion(std::function<QRegion()> faceRegion) { faceRegion_ = std::move(faceRegion); }
    // Tells the actions that the site was replaced or its content changed.
    void SiteChanged();
    // Enabled states and undo captions now.
    void Refresh();
    // Enabled states at the next idle moment (several requests make one refresh).
    void ScheduleRefresh();

Q_SIGNALS:
    // After a command ran on the site.
    void Executed();

private:
    struct TBinding;
    QAction* AddCommand(std::unique_ptr<TDrawSiteCommand> command, const QKeySequence& shortcut);
    QAction* AddAction(const QString& caption, const QKeySequence& shortcut, std::function<void()> run,
                       std::function<bool()> enabled);
    void Run(const std::function<void()>& run);

    TEditContext& context_;
    std::function<TDrawSite*()> siteOf_;
    QWidget* window_;
    std::vector<std::unique_ptr<TBinding>> bindings_;
    std::unique_ptr<TDSNotifyCatcher> catcher_;
    std::function<QRegion()> faceRegion_;
    TDrawSite* watchedSite_ = nullptr;
    int clipboardHandler_ = 0;
    bool refreshPending_ = false;
};
