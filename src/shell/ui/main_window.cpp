#include "shell/ui/main_window.h"

#include "core/error.h"
#include "core/frame/history_list.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "core/model/draw_object.h"
#include "document/label_data.h"
#include "document/new_document.h"
#include "editing/commands/standard_commands.h"
#include "editing/site/edit_context.h"
#include "editing/ui/draw_site.h"
#include "shell/command_line.h"
#include "shell/data_module.h"
#include "shell/ui/sheet_view.h"
#include "shell/ui/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>

namespace {

const QString kModifiedQuestion = QStringLiteral("データが修正されています\r\n保存しますか？");
const QString kNotOurData = QStringLiteral("指定されたファイルは「%s」のデータではありません");
const QString kSaveFailed = QStringLiteral("データの保存に失敗しました");

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
    drawSite_ = new TDrawSite(*editContext_);
    auto* scroll = new QScrollArea;
    scroll->setWidget(drawSite_);
    scroll->setAlignment(Qt::AlignCenter);
    auto* splitter = new QSplitter;
    splitter->addWidget(sheetView_);
    splitter->addWidget(scroll);
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
    // The draw site works in the editing context: it goes first.
    delete takeCentralWidget();
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
    file->addSeparator();
    add(Expand(QStringLiteral("$(AppName)の終了(&X)")), QKeySequence(), [this] { close(); });
    CreateEditActions();
}

void TfrmMain::CreateEditActions()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    const auto add = [&](std::shared_ptr<TDrawSiteCommand> command, QKeySequence shortcut) {
        QAction* action = edit->addAction(command->Caption);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] {
            try {
                command->Execute(drawSite_->Site());
            } catch (const std::exception& error) {
                ShowError(error);
            }
        });
        connect(edit, &QMenu::aboutToShow, action, [this, action, command] {
            action->setEnabled(command->Enabled(drawSite_->Site()));
        });
        return action;
    };
    QAction* undo = add(std::make_shared<TDSAUndo>(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = add(std::make_shared<TDSARedo>(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z));
    connect(edit, &QMenu::aboutToShow, this, [this, undo, redo] {
        undo->setText(UndoMenuCaption(editContext_->Actions()));
        redo->setText(RedoMenuCaption(editContext_->Actions()));
    });
    edit->addSeparator();
    add(std::make_shared<TDSACut>(), QKeySequence(Qt::CTRL | Qt::Key_X));
    add(std::make_shared<TDSACopy>(), QKeySequence(Qt::CTRL | Qt::Key_C));
    add(std::make_shared<TDSAPaste>(), QKeySequence(Qt::CTRL | Qt::Key_V));
    add(std::make_shared<TDSAClear>(), QKeySequence(Qt::Key_Delete));
    add(std::make_shared<TDSASelectAll>(), QKeySequence(Qt::CTRL | Qt::Key_A));
    edit->addSeparator();
    add(std::make_shared<TDSABringToFront>(), QKeySequence(Qt::CTRL | Qt::Key_F));
    add(std::make_shared<TDSASendToBack>(), QKeySequence(Qt::CTRL | Qt::Key_B));
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
        drawSite_->SetLogSize(RectWidth(area), RectHeight(area));
        drawSite_->Site().ReplaceContent(std::move(objects));
        editedFace_ = face;
        if (auto* scroll = centralWidget()->findChild<QScrollArea*>())
            drawSite_->FitInto(scroll->viewport()->size());
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TfrmMain::StoreFace()
{
    TEditSite& site = drawSite_->Site();
    if (!document_ || editedFace_ < 0 || !site.Modified())
        return;
    document_->SaveObjects(editedFace_, site.GetObjects(false));
    document_->SetModified(true);
    site.SetModified(false);
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
