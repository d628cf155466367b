#include "shell/ui/main_window.h"

#include "core/error.h"
#include "core/frame/history_list.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "core/model/draw_object.h"
#include "document/label_data.h"
#include "document/new_document.h"
#include "catalogue/paper/paper_info.h"
#include "core/model/object_interfaces.h"
#include "core/model/placement.h"
#include "core/stream/class_registry.h"
#include "document/grid.h"
#include "editing/actions/object_actions.h"
#include "editing/site/edit_context.h"
#include "editing/site/face_overlay.h"
#include "editing/site/snapping.h"
#include "editing/ui/draw_site.h"
#include "editing/ui/edit_actions.h"
#include "shell/command_line.h"
#include "shell/data_module.h"
#include "shell/info_command.h"
#include "shell/object_designers.h"
#include "shell/print_command.h"
#include "shell/template_command.h"
#include "shell/ui/insert_actions.h"
#include "shell/ui/sheet_view.h"
#include "shell/ui/window_placement.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QImageReader>
#include <QMimeData>
#include <QToolBar>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QSplitter>

namespace {

const QString kModifiedQuestion = QStringLiteral("データが修正されています\r\n保存しますか？");
const QString kNotOurData = QStringLiteral("指定されたファイルは「%s」のデータではありません");
const QString kSaveFailed = QStringLiteral("データの保存に失敗しました");
const QString kUnsupportedImage = QStringLiteral("指定された画像形式には対応していません。");
// The fixed zooms, smallest first.
constexpr int kZooms[] = {25, 50, 75, 100, 150, 200, 400};

bool IsDocumentFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("cld"), Qt::CaseInsensitive) == 0;
}

bool IsImageFile(const QString& path)
{
    return QImageReader::supportedImageFormats().contains(QFileInfo(path).suffix().toLower().toLatin1());
}

// Runs a long operation under the wait cursor.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TfrmMain::TfrmMain(TdataMain& data, QWidget* parent)
    : QMainWindow(parent), data_(data), sheetView_(new TSheetView(this)), editContext_(std::make_unique<TEditContext>())
{
    editContext_->Actions().SetRepeatAllowed(false);
    RegisterObjectDesigners(*editContext_, [this] { return document_.get(); });
    drawSite_ = new TDrawSite(*editContext_);
    drawSite_->Site().SetOnPaintAfter([this](TDrawSiteModel*, TCanvas& canvas) { PaintOverlay(canvas); });
    drawSite_->SetDropHandler([this](const QMimeData& data) { return AcceptsDrop(data); },
                              [this](const QMimeData& data, QPoint logical) { return Drop(data, logical); });
    // Snapping follows the current document's grid and guides.
    editContext_->SetSnapRule([this](TEditSite& site, QPoint logical, TShiftState shift) -> TSnapOffset {
        if (!document_)
            return {};
        return GridGuideSnapRule(*document_->Grid(), *document_->Guide())(site, logical, shift);
    });
    scroll_ = new QScrollArea;
    scroll_->setWidget(drawSite_);
    scroll_->setAlignment(Qt::AlignCenter);
    auto* splitter = new QSplitter;
    splitter->addWidget(sheetView_);
    splitter->addWidget(scroll_);
    splitter->setStretchFactor(1, 2);
    setCentralWidget(splitter);
    connect(sheetView_, &TSheetView::FaceChosen, this, [this](int face) {
        if (!document_)
            return;
        document_->SetCurrentLabelNo(face);
        OpenFace(face);
    });
    setObjectName(QStringLiteral("frmMain"));
    CreateActions();
    RestoreWindowPlacement(*this, 1024, 720);
    UpdateTitle();
}

TfrmMain::~TfrmMain()
{
    // The draw site and the edit actions work in the editing context: they go first.
    delete takeCentralWidget();
    delete editActions_;
}

void TfrmMain::CreateActions()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    const auto add = [&](const QString& caption, QKeySequence shortcut, auto slot) {
        QAction* action = file->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("新規作成(&N)..."), QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NewDocument(); });
    add(QStringLiteral("開く(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
        if (!QuerySave())
            return;
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("ファイルを開く"),
                                                          THistoryList(QStringLiteral("$(LabelDataHistory)")).Items().value(0),
                                                          DialogFilter());
        if (!path.isEmpty())
            OpenDocumentFile(path);
    });
    add(QStringLiteral("保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveDocument(); });
    add(QStringLiteral("名前を付けて保存(&A)..."), QKeySequence(), [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("名前を付けて保存"), fileName_, DialogFilter());
        if (!path.isEmpty())
            SaveDocumentAs(QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".cld") : path);
    });
    // A template replaces the design of the face being edited.
    add(QStringLiteral("ラベルテンプレートの呼び出し(&T)..."), QKeySequence(), [this] {
        if (!document_ || editedFace_ < 0)
            return;
        StoreFace();
        if (RunTemplateCommand(this, *document_, editedFace_)) {
            document_->SetModified(true);
            OpenFace(editedFace_);
        }
    });
    file->addSeparator();
    // The current sheet, with the face being edited written back first.
    add(QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (!document_)
            return;
        StoreFace();
        RunPrintCommand(this, *document_, data_.Papers());
    });
    file->addSeparator();
    add(Expand(QStringLiteral("$(AppName)の終了(&X)")), QKeySequence(), [this] { close(); });
    CreateEditActions();
}

void TfrmMain::CreateEditActions()
{
    editActions_ = new TEditActions(*editContext_, [this] { return drawSite_; }, this);
    editActions_->SetFaceRegion([this] {
        // The face shape with the outer rectangle at the origin, as the site sees it.
        QRegion region = faceInfo_.CreateRegion(nullptr, true);
        const TRect outer = faceInfo_.OuterRect();
        return region.translated(-outer.Left, -outer.Top);
    });
    const auto fill = [](QMenu* menu, const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (action)
                menu->addAction(action);
            else
                menu->addSeparator();
        }
    };
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    fill(edit, editActions_->EditMenuActions());
    connect(edit, &QMenu::aboutToShow, editActions_, &TEditActions::Refresh);

    QMenu* layout = menuBar()->addMenu(QStringLiteral("レイアウト(&L)"));
    fill(layout, editActions_->LayoutMenuActions());
    connect(layout, &QMenu::aboutToShow, editActions_, &TEditActions::Refresh);
    layout->addSeparator();
    snapToGrid_ = layout->addAction(QStringLiteral("グリッドに吸着(&R)"));
    snapToGrid_->setCheckable(true);
    connect(snapToGrid_, &QAction::triggered, this, [this](bool on) {
        if (!document_)
            return;
        // Snapping and showing the grid go together.
        document_->Grid()->SetEnabled(on);
        document_->Grid()->SetVisible(on);
        document_->SetModified(true);
        drawSite_->RedrawContent();
    });
    snapToGuides_ = layout->addAction(QStringLiteral("ガイドバーに吸着(&B)"));
    snapToGuides_->setCheckable(true);
    connect(snapToGuides_, &QAction::triggered, this, [this](bool on) {
        if (!document_)
            return;
        TGuide& guide = *document_->Guide();
        guide.SetEnabled(on);
        guide.SetVisible(on);
        // Switched on without any guide: one across the middle each way.
        if (on && guide.AllFree()) {
            const TEditSite& site = drawSite_->Site();
            guide.SetGuide(0, {0, site.LogHeight() / 2});
            guide.SetGuide(1, {site.LogWidth() / 2, 0});
        }
        document_->SetModified(true);
        drawSite_->RedrawContent();
    });
    connect(layout, &QMenu::aboutToShow, this, &TfrmMain::UpdateSnapActions);
    layout->addSeparator();
    // The document's information; the face's texts bound to it take the edited values.
    QAction* creator = layout->addAction(QStringLiteral("クリエーター情報の編集(&C)..."));
    connect(creator, &QAction::triggered, this, [this] {
        if (document_)
            RunCreatorInfoCommand(this, *document_, editedFace_ >= 0 ? &drawSite_->Site() : nullptr);
    });
    QAction* product = layout->addAction(QStringLiteral("プロダクト情報の編集(&P)..."));
    connect(product, &QAction::triggered, this, [this] {
        if (document_)
            RunProductInfoCommand(this, *document_, editedFace_ >= 0 ? &drawSite_->Site() : nullptr);
    });

    QMenu* zoom = layout->addMenu(QStringLiteral("表示倍率(&Z)"));
    zoomGroup_ = new QActionGroup(this);
    QAction* automatic = zoom->addAction(QStringLiteral("自動(&A)"));
    automatic->setCheckable(true);
    automatic->setData(0);
    zoomGroup_->addAction(automatic);
    for (int value : kZooms) {
        QAction* action = zoom->addAction(QStringLiteral("%1%").arg(value));
        action->setCheckable(true);
        action->setData(value);
        zoomGroup_->addAction(action);
    }
    automatic->setChecked(true);
    connect(zoomGroup_, &QActionGroup::triggered, this, [this](QAction* action) { SetZoom(action->data().toInt()); });
    zoom->addSeparator();
    QAction* magnify = zoom->addAction(QStringLiteral("拡大(&I)"));
    magnify->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    connect(magnify, &QAction::triggered, this, &TfrmMain::Magnify);
    QAction* reduce = zoom->addAction(QStringLiteral("縮小(&O)"));
    reduce->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(reduce, &QAction::triggered, this, &TfrmMain::Reduce);

    QToolBar* tools = addToolBar(QStringLiteral("編集"));
    tools->setObjectName(QStringLiteral("EditToolBar"));
    for (QAction* action : {editActions_->Undo, editActions_->Redo, editActions_->Cut, editActions_->Copy,
                            editActions_->Paste, editActions_->Clear, editActions_->BringToFront, editActions_->SendToBack})
        tools->addAction(action);
    tools->addSeparator();
    tools->addAction(magnify);
    tools->addAction(reduce);
    tools->addAction(automatic);

    // The object creation commands: created on the draw site, each one undo step.
    AddInsertActions(*this, *editContext_, *editActions_, [this] { return drawSite_; });
}

void TfrmMain::UpdateSnapActions()
{
    snapToGrid_->setChecked(document_ && document_->Grid()->Enabled());
    snapToGuides_->setChecked(document_ && document_->Guide()->Enabled());
}

void TfrmMain::SetZoom(int zoom)
{
    zoomMode_ = std::max(zoom, 0);
    for (QAction* action : zoomGroup_->actions())
        action->setChecked(action->data().toInt() == zoomMode_);
    ApplyZoom();
}

void TfrmMain::Magnify()
{
    const int current = drawSite_->Scale();
    for (int value : kZooms)
        if (value > current) {
            SetZoom(value);
            return;
        }
}

void TfrmMain::Reduce()
{
    const int current = drawSite_->Scale();
    for (auto it = std::rbegin(kZooms); it != std::rend(kZooms); ++it)
        if (*it < current) {
            SetZoom(*it);
            return;
        }
}

void TfrmMain::ApplyZoom()
{
    if (zoomMode_ == 0) {
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int edge = 2 * scroll_->frameWidth() + 8;
        drawSite_->FitInto(scroll_->viewport()->size() - QSize(edge, edge));
    } else {
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        drawSite_->SetScale(zoomMode_);
        scroll_->horizontalScrollBar()->setValue(0);
        scroll_->verticalScrollBar()->setValue(0);
    }
    // The first selected object comes into view.
    const std::vector<TDrawObject*> selected = drawSite_->Site().GetObjects(true);
    if (!selected.empty()) {
        const TRect device = drawSite_->Site().LogToDevRect(selected.back()->GetBounds());
        scroll_->ensureVisible((device.Left + device.Right) / 2, (device.Top + device.Bottom) / 2);
    }
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (zoomMode_ == 0 && editedFace_ >= 0)
        ApplyZoom();
}

void TfrmMain::PaintOverlay(TCanvas& canvas)
{
    const TEditSite& site = drawSite_->Site();
    const TRect area{0, 0, site.LogWidth(), site.LogHeight()};
    PaintFaceOverlay(canvas, area, editedFace_ >= 0 ? &faceInfo_ : nullptr, document_ ? document_->Grid() : nullptr,
                     document_ ? document_->Guide() : nullptr);
}

bool TfrmMain::AcceptsDrop(const QMimeData& data) const
{
    if (!data.hasUrls())
        return false;
    const QList<QUrl> urls = data.urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

bool TfrmMain::Drop(const QMimeData& data, QPoint logical)
{
    bool taken = false;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (IsDocumentFile(path)) {
            // Opening replaces the site: nothing after it belongs to the old document.
            QTimer::singleShot(0, this, [this, path] { OpenDocumentFile(path); });
            return true;
        }
        if (!IsImageFile(path)) {
            ShowMessageBox(kUnsupportedImage);
            continue;
        }
        const QImage image(path);
        std::unique_ptr<TComponent> component = CreateObjectByClassName("TLOImage");
        auto* object = dynamic_cast<TDrawObject*>(component.get());
        auto* picture = dynamic_cast<IDOPastePicture*>(object);
        if (image.isNull() || !picture) {
            ShowMessageBox(kUnsupportedImage);
            continue;
        }
        component.release();
        std::unique_ptr<TDrawObject> owned(object);
        picture->SetPastedPicture(image);
        TEditSite& site = drawSite_->Site();
        PlaceNewObject(*owned, site);
        if (auto* bounds = dynamic_cast<IDOEncloseBounds*>(owned.get())) {
            const TRect r = bounds->GetBounds();
            bounds->MoveBy(logical.x() - (r.Left + r.Right) / 2, logical.y() - (r.Top + r.Bottom) / 2);
        }
        site.SelectAll(false);
        TDrawObject* added = site.InsertObject(std::move(owned));
        auto action = std::make_unique<TDOAddAction>(*added, site);
        action->SetCaption(QStringLiteral("追加"));
        editContext_->Actions().Push(std::move(action));
        taken = true;
    }
    return taken;
}

QString TfrmMain::DialogFilter() const
{
    // "%sデータ(*.%s)|*.%s|すべてのファイル(*.*)|*.*", written as Qt's filter list.
    const QString filter = FormatText(Expand(QStringLiteral("$(OpenDataFilter)")),
                                      {Expand(QStringLiteral("$(AppName)")), QStringLiteral("cld"), QStringLiteral("cld")});
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << (parts[i].contains(QLatin1Char('(')) ? parts[i] : parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    return entries.join(QStringLiteral(";;"));
}

void TfrmMain::UpdateTitle()
{
    const QString name = fileName_.isEmpty() ? QStringLiteral("無題") : QFileInfo(fileName_).fileName();
    setWindowTitle(FormatText(Expand(QStringLiteral("$(TitleBarFormat)")), {name}));
}

void TfrmMain::ShowDocument(std::unique_ptr<TLabelData> document, const QString& fileName)
{
    sheetView_->SetDocument(nullptr);
    drawSite_->Site().ReplaceContent({});
    editedFace_ = -1;
    document_ = std::move(document);
    fileName_ = fileName;
    sheetView_->SetDocument(document_.get());
    OpenFace(document_->CurrentLabelNo());
    UpdateTitle();
}

void TfrmMain::OpenFace(int face)
{
    if (!document_ || face < 0)
        return;
    StoreFace();
    try {
        std::vector<std::unique_ptr<TDrawObject>> objects = document_->LoadObjects(face);
        const TRect area = document_->FaceArea(face);
        if (const TPaperInfo* paper = document_->EffectivePaper(); paper && face < paper->FaceCount())
            paper->GetFaceInfo(face, faceInfo_);
        drawSite_->SetLogSize(RectWidth(area), RectHeight(area));
        // Replacing the content clears the undo list and the modified flag.
        drawSite_->Site().ReplaceContent(std::move(objects));
        document_->Guide()->ClipTo(area);
        editedFace_ = face;
        ApplyZoom();
        drawSite_->RedrawContent();
    } catch (const std::exception& error) {
        ShowError(error);
    }
    editActions_->SiteChanged();
}

void TfrmMain::StoreFace()
{
    TEditSite& site = drawSite_->Site();
    if (!document_ || editedFace_ < 0 || !site.Modified())
        return;
    site.AbandonGhosts();
    // The stored design no longer matches the steps of the undo list.
    editContext_->Actions().Clear();
    document_->SaveObjects(editedFace_, site.GetObjects(false));
    document_->SetModified(true);
    site.SetModified(false);
    editActions_->ScheduleRefresh();
}

void TfrmMain::StartFirstDocument(const QString& path)
{
    if (!path.isEmpty() && OpenDocumentFile(path))
        return;
    NewDocument();
}

bool TfrmMain::OpenDocumentFile(const QString& path)
{
    raise();
    activateWindow();
    if (document_ && !QuerySave())
        return false;
    auto document = std::make_unique<TLabelData>();
    THistoryList files(QStringLiteral("$(OpenFileHistory)"));
    if (const std::optional<QString> missing = MissingFileMessage(path)) {
        files.Remove(path);
        ShowMessageBox(*missing);
        return false;
    }
    try {
        TWaitCursor wait;
        document->LoadFromFile(path);
    } catch (const std::exception&) {
        files.Remove(path);
        // The message names the application whose data the file is not.
        ShowMessageBox(FormatText(kNotOurData, {Expand(QStringLiteral("$(AppName)"))}));
        return false;
    }
    files.Add(QFileInfo(path).absoluteFilePath());
    THistoryList(QStringLiteral("$(LabelDataHistory)")).Add(QFileInfo(path).absolutePath());
    ShowDocument(std::move(document), QFileInfo(path).absoluteFilePath());
    return true;
}

bool TfrmMain::NewDocument()
{
    if (document_ && !QuerySave())
        return false;
    try {
        ShowDocument(NewDocumentWithPaper(data_.Papers()), {});
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
    return true;
}

bool TfrmMain::SaveDocument()
{
    if (!document_)
        return false;
    if (fileName_.isEmpty()) {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("名前を付けて保存"), {}, DialogFilter());
        if (path.isEmpty())
            return false;
        return SaveDocumentAs(QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".cld") : path);
    }
    return SaveDocumentAs(fileName_);
}

bool TfrmMain::SaveDocumentAs(const QString& path)
{
    if (!document_)
        return false;
    try {
        TWaitCursor wait;
        StoreFace();
        document_->SetLastSave(QDateTime::currentDateTime());
        document_->SaveToFile(path);
    } catch (const std::exception& error) {
        ShowMessageBox(kSaveFailed + QStringLiteral("\r\n") + ErrorText(error));
        return false;
    }
    fileName_ = QFileInfo(path).absoluteFilePath();
    THistoryList(QStringLiteral("$(OpenFileHistory)")).Add(fileName_);
    THistoryList(QStringLiteral("$(LabelDataHistory)")).Add(QFileInfo(fileName_).absolutePath());
    UpdateTitle();
    return true;
}

bool TfrmMain::QuerySave()
{
    if (!document_ || !(document_->Modified() || drawSite_->Site().Modified()))
        return true;
    switch (ShowMessageBox(kModifiedQuestion, TMsgButtons::YesNoCancel, TMsgResult::Yes)) {
    case TMsgResult::Cancel:
        return false;
    case TMsgResult::No:
        return true;
    default:
        return SaveDocument() && !document_->Modified() && !drawSite_->Site().Modified();
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!QuerySave()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement(*this);
    event->accept();
}
