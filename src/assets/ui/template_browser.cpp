#include "assets/ui/template_browser.h"

#include "assets/ids/image_id_list.h"
#include "assets/templates/apply_template.h"
#include "catalogue/paper/paper_info.h"
#include "core/messages.h"
#include "document/label_data.h"
#include "editing/ui/dialog_buttons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QVBoxLayout>
#include <iterator>

namespace {

// The genre and the thumbnail size chosen last, preselected for the rest of the run.
int lastGenre = 0;
int lastThumbnailSize = 0;

QImage Thumbnail(const TTemplateInfo& info)
{
    if (!info.WholeFile) {
        const QImage preview = TLabelData::ReadPreviewFromFile(info.FileName, info.Sheet, info.Label);
        if (!preview.isNull())
            return preview;
    }
    QImage blank(100, 100, QImage::Format_RGB888);
    blank.fill(Qt::white);
    return blank;
}

} // namespace

TTemplateBrowser::TTemplateBrowser(const QString& cataloguePath, TLabelData& document, int face, QWidget* parent)
    : QDialog(parent), group_(cataloguePath), document_(document), face_(face), favoritesFile_(FavoriteTemplateFile()),
      tabs_(new QTabBar), genres_(new QComboBox), view_(new QListWidget), idEdit_(new QLineEdit),
      search_(new QPushButton(QStringLiteral("検索"))), addFavorite_(new QPushButton(QStringLiteral("お気に入りに追加"))),
      deleteFavorite_(new QPushButton(QStringLiteral("お気に入りから削除"))), sizes_(new QComboBox), warning_(new QLabel)
{
    setWindowTitle(QStringLiteral("テンプレート"));
    if (const TPaperInfo* paper = document.EffectivePaper(); paper && face >= 0 && face < paper->FaceCount())
        paper->GetFaceInfo(face, faceInfo_);
    QString idsPath = cataloguePath;
    idsPath.replace(QRegularExpression(QStringLiteral("\\.[^./]*$")), QStringLiteral(".ids"));
    ids_ = std::make_unique<TImageIDList>(idsPath);
    favorites_.SetBaseFolder(group_.Folder());

    tabs_->addTab(QStringLiteral("ジャンル"));
    tabs_->addTab(QStringLiteral("お気に入り"));
    view_->setViewMode(QListView::IconMode);
    view_->setResizeMode(QListView::Adjust);
    for (const int size : kThumbnailSizes)
        sizes_->addItem(QStringLiteral("%1ピクセル").arg(size));
    idEdit_->setMaxLength(4);
    search_->setEnabled(false);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(new QLabel(QStringLiteral("ID")));
    idRow->addWidget(idEdit_);
    idRow->addWidget(search_);
    idRow->addStretch();
    auto* favoriteRow = new QHBoxLayout;
    favoriteRow->addWidget(addFavorite_);
    favoriteRow->addWidget(deleteFavorite_);
    favoriteRow->addStretch();
    favoriteRow->addWidget(new QLabel(QStringLiteral("サムネイル")));
    favoriteRow->addWidget(sizes_);
    auto* buttons = OkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(genres_);
    layout->addWidget(warning_);
    layout->addWidget(view_, 1);
    layout->addLayout(favoriteRow);
    layout->addLayout(idRow);
    layout->addWidget(buttons);

    group_.SetPurpose(faceInfo_.FacePurpose());
    genres_->addItems(group_.Names());
    for (int i = 0; i < idRow->count(); ++i)
        if (QWidget* widget = idRow->itemAt(i)->widget())
            widget->setVisible(!ids_->Empty());

    connect(idEdit_, &QLineEdit::textChanged, this, [this](const QString& text) { search_->setEnabled(text.size() == 4); });
    connect(search_, &QPushButton::clicked, this, &TTemplateBrowser::SearchId);
    connect(tabs_, &QTabBar::currentChanged, this, &TTemplateBrowser::ShowView);
    connect(genres_, &QComboBox::currentIndexChanged, this, &TTemplateBrowser::ShowGenre);
    connect(view_, &QListWidget::currentRowChanged, this, &TTemplateBrowser::UpdateState);
    connect(addFavorite_, &QPushButton::clicked, this, &TTemplateBrowser::AddSelectedToFavorites);
    connect(deleteFavorite_, &QPushButton::clicked, this, &TTemplateBrowser::DeleteSelectedFavorite);
    connect(sizes_, &QComboBox::currentIndexChanged, this, &TTemplateBrowser::SetThumbnailSize);
    connect(view_, &QListWidget::itemDoubleClicked, this, &TTemplateBrowser::accept);
    sizes_->setCurrentIndex(lastThumbnailSize);
    SetThumbnailSize(lastThumbnailSize);
    if (group_.Count() > 0)
        genres_->setCurrentIndex(lastGenre < group_.Count() ? lastGenre : 0);
    ShowGenre(genres_->currentIndex());
}

TTemplateBrowser::~TTemplateBrowser() = default;

void TTemplateBrowser::ShowGenre(int genre)
{
    list_.Clear();
    if (genre >= 0 && genre < group_.Count()) {
        lastGenre = genre;
        list_.ScanFolder(group_.GenreFolder(genre), &faceInfo_);
    }
    if (!ShowingFavorites())
        FillView(list_);
}

void TTemplateBrowser::ShowFavorites()
{
    favorites_.Clear();
    if (!favoritesFile_.isEmpty()) {
        favorites_.LoadFavorites(favoritesFile_);
        favorites_.Refresh(&faceInfo_);
    }
    if (ShowingFavorites())
        FillView(favorites_);
}

void TTemplateBrowser::AddSelectedToFavorites()
{
    const int row = view_->currentRow();
    if (ShowingFavorites() || favoritesFile_.isEmpty() || row < 0 || row >= list_.Count())
        return;
    try {
        ShowInformation(favorites_.AddFavorite(favoritesFile_, list_.Item(row), &faceInfo_));
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TTemplateBrowser::DeleteSelectedFavorite()
{
    const int row = view_->currentRow();
    if (!ShowingFavorites() || favoritesFile_.isEmpty() || row < 0 || row >= favorites_.Count())
        return;
    try {
        favorites_.DeleteFavorite(favoritesFile_, favorites_.Item(row), &faceInfo_);
    } catch (const std::exception& error) {
        ShowError(error);
    }
    FillView(favorites_);
}

void TTemplateBrowser::SetThumbnailSize(int index)
{
    if (index < 0 || index >= int(std::size(kThumbnailSizes)))
        return;
    lastThumbnailSize = index;
    view_->setIconSize({kThumbnailSizes[index], kThumbnailSizes[index]});
}

const TTemplateList& TTemplateBrowser::ShownList() const
{
    return ShowingFavorites() ? favorites_ : list_;
}

bool TTemplateBrowser::ShowingFavorites() const
{
    return tabs_->currentIndex() == vwFavorites;
}

void TTemplateBrowser::ShowView(int view)
{
    genres_->setVisible(view == vwGenres);
    if (view == vwFavorites)
        ShowFavorites();
    else
        FillView(list_);
}

void TTemplateBrowser::FillView(const TTemplateList& list)
{
    view_->clear();
    for (const TTemplateInfo& info : list.Items()) {
        const QString id = ids_->IdOfTemplate({info.FileName, info.Sheet, info.Label});
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(Thumbnail(info))), id, view_);
        item->setToolTip(QFileInfo(info.FileName).completeBaseName());
    }
    UpdateState();
}

// The warning that fits the view, and the favourite buttons that apply to it.
void TTemplateBrowser::UpdateState()
{
    const bool favorites = ShowingFavorites();
    const bool noFavorites = favorites && favorites_.Count() == 0;
    warning_->setText(noFavorites ? NoFavoritesMessage() : TemplateCatalogueMissingMessage());
    warning_->setVisible(noFavorites || (!favorites && !group_.Found()));
    const bool selected = view_->currentRow() >= 0 && view_->currentRow() < ShownList().Count();
    addFavorite_->setEnabled(!favoritesFile_.isEmpty() && !favorites && selected);
    deleteFavorite_->setEnabled(!favoritesFile_.isEmpty() && favorites && selected);
}

void TTemplateBrowser::SearchId()
{
    const QString id = idEdit_->text();
    TTemplateLabelRef label;
    if (!ids_->TemplateOfId(id, label)) {
        ShowInformation(IdNotFoundMessage(id));
        return;
    }
    const QString file = group_.LocateTemplate(label.File);
    const int genre = file.isEmpty() ? -1 : group_.GenreOfFile(file);
    if (genre >= 0) {
        tabs_->setCurrentIndex(vwGenres);
        genres_->setCurrentIndex(genre);
        ShowGenre(genre);
        const int index = list_.IndexOf({file, label.Sheet, label.Label, false});
        if (index >= 0) {
            view_->setCurrentRow(index);
            return;
        }
    }
    ShowInformation(TemplateDoesNotFitMessage(id));
}

void TTemplateBrowser::accept()
{
    if (ApplySelected())
        QDialog::accept();
}

bool TTemplateBrowser::ApplySelected()
{
    const int row = view_->currentRow();
    const TTemplateList& list = ShownList();
    if (row < 0 || row >= list.Count() || !AskYesNo(ApplyTemplatePrompt(), false))
        return false;
    try {
        ApplyTemplate(list.Item(row), document_, face_);
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
    return true;
}
