#include "objects/ui/shade_selecter.h"

#include "assets/ids/image_id_list.h"
#include "core/frame/data_files.h"
#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList kThumbnailSizes{QStringLiteral("50x50"), QStringLiteral("100x100"), QStringLiteral("150x150"),
                                  QStringLiteral("200x200")};

} // namespace

TfrmShadeSelecter::TfrmShadeSelecter(const QString& listPath, const QString& idsPath, QWidget* parent)
    : QDialog(parent), genres_(LoadShadeList(listPath)), ids_(std::make_unique<TImageIDList>(idsPath)),
      genre_(new QComboBox), size_(new QComboBox), list_(new QListWidget), id_(new QLineEdit),
      softEdge_(new QCheckBox(QStringLiteral("フチをぼかす")))
{
    setWindowTitle(QStringLiteral("シェード図形の選択"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("種類")));
    top->addWidget(genre_, 1);
    top->addWidget(size_);
    layout->addLayout(top);
    list_->setViewMode(QListView::IconMode);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    layout->addWidget(list_, 1);
    auto* bottom = new QHBoxLayout;
    auto* search = new QPushButton(QStringLiteral("検索"));
    if (!ids_->Empty()) {
        bottom->addWidget(new QLabel(QStringLiteral("ID")));
        bottom->addWidget(id_);
        bottom->addWidget(search);
    }
    bottom->addStretch();
    bottom->addWidget(softEdge_);
    layout->addLayout(bottom);
    auto* buttons = OkCancelButtons(*this);
    layout->addWidget(buttons);

    for (const TShadeGenre& genre : genres_)
        genre_->addItem(genre.Name);
    size_->addItems(kThumbnailSizes);
    size_->setCurrentIndex(1);
    connect(genre_, &QComboBox::currentIndexChanged, this, &TfrmShadeSelecter::ShowGenre);
    connect(size_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int side = 50 * (index + 1);
        list_->setIconSize({side, side});
    });
    connect(search, &QPushButton::clicked, this, [this] { SearchId(id_->text()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    list_->setIconSize({100, 100});
    ShowGenre();
}

TfrmShadeSelecter::~TfrmShadeSelecter() = default;

void TfrmShadeSelecter::ShowGenre()
{
    list_->clear();
    const int index = genre_->currentIndex();
    if (index < 0 || index >= GenreCount())
        return;
    const TShadeGenre& genre = genres_[index];
    bool anySoft = false;
    for (const TShadeEntry& entry : genre.Entries) {
        const QString preview = ShadePreviewPath(genre, entry);
        QImageReader reader(preview);
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(reader.read())), ids_->IdOfFile(preview), list_);
        item->setToolTip(QFileInfo(preview).fileName());
        anySoft = anySoft || !entry.Soft.isEmpty();
    }
    softEdge_->setEnabled(anySoft);
    if (list_->count() > 0)
        list_->setCurrentRow(0);
}

void TfrmShadeSelecter::SelectGenre(int genre)
{
    genre_->setCurrentIndex(genre);
}

void TfrmShadeSelecter::SelectEntry(int entry)
{
    list_->setCurrentRow(entry);
}

QString TfrmShadeSelecter::SelectedPicturePath() const
{
    const int genre = genre_->currentIndex();
    const int entry = list_->currentRow();
    if (genre < 0 || genre >= GenreCount() || entry < 0 || entry >= int(genres_[genre].Entries.size()))
        return {};
    const bool soft = softEdge_->isChecked() && softEdge_->isEnabled();
    return ShadePicturePath(genres_[genre], genres_[genre].Entries[entry], soft);
}

bool TfrmShadeSelecter::SearchId(const QString& id)
{
    const QString asset = ids_->AssetPathOfId(id);
    if (!asset.isEmpty()) {
        const QString file = LocateDataFile(asset + QStringLiteral(".*"));
        for (int g = 0; g < GenreCount() && !file.isEmpty(); ++g)
            for (int e = 0; e < int(genres_[g].Entries.size()); ++e)
                if (QFileInfo(ShadePreviewPath(genres_[g], genres_[g].Entries[e])) == QFileInfo(file)) {
                    SelectGenre(g);
                    SelectEntry(e);
                    return true;
                }
    }
    ShowInformation(IdNotFoundMessage(id));
    return false;
}
