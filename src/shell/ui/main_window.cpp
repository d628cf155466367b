#include "shell/ui/main_window.h"

#include "core/error.h"
#include "core/frame/history_list.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "document/label_data.h"
#include "document/new_document.h"
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

TfrmMain::TfrmMain(TdataMain& data, QWidget* parent) : QMainWindow(parent), data_(data), sheetView_(new TSheetView(this))
{
    setCentralWidget(sheetView_);
    connect(sheetView_, &TSheetView::FaceChosen, this, [this](int face) {
        if (document_)
            document_->SetCurrentLabelNo(face);
    });
    setObjectName(QStringLiteral("frmMain"));
    CreateActions();
    RestoreWindowPlacement(*this, 1024, 720);
    UpdateTitle();
}

TfrmMain::~TfrmMain() = default;

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
    document_ = std::move(document);
    fileName_ = fileName;
    sheetView_->SetDocument(document_.get());
    UpdateTitle();
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
    if (!document_ || !document_->Modified())
        return true;
    switch (ShowMessageBox(kModifiedQuestion, TMsgButtons::YesNoCancel, TMsgResult::Yes)) {
    case TMsgResult::Cancel:
        return false;
    case TMsgResult::No:
        return true;
    default:
        return SaveDocument() && !document_->Modified();
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
