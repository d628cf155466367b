#include "assets/ui/template_browser.h"

#include "assets/ids/image_id_list.h"
#include "assets/templates/apply_template.h"
#include "catalogue/paper/paper_info.h"
#include "core/messages.h"
#include "document/label_data.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// The genre chosen last, preselected for the rest of the run.
int lastGenre = 0;
// Thumbnail edge in pixels.
constexpr int kThumbnail = 50;

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
    : QDialog(parent), group_(cataloguePath), document_(document), face_(face), genres_(new QComboBox),
      view_(new QListWidget), idEdit_(new QLineEdit), search_(new QPushButton(QStringLiteral("検索"))),
      warning_(new QLabel)
{
    setWindowTitle(QStringLiteral("テンプレート"));
    if (const TPaperInfo* paper = document.EffectivePaper(); paper && face >= 0 && face < paper->FaceCount())
        paper->GetFaceInfo(face, faceInfo_);
    QString idsPath = cataloguePath;
    idsPath.replace(QRegularExpression(QStringLiteral("\\.[^./]*$")), QStringLiteral(".ids"));
    ids_ = std::make_unique<TImageIDList>(idsPath);

    view_->setViewMode(QListView::IconMode);
    view_->setIconSize({kThumbnail, kThumbnail});
    view_->setResizeMode(QListView::Adjust);
    idEdit_->setMaxLength(4);
    search_->setEnabled(false);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(new QLabel(QStringLiteral("ID")));
    idRow->addWidget(idEdit_);
    idRow->addWidget(search_);
    idRow->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(genres_);
    layout->addWidget(warning_);
    layout->addWidget(view_, 1);
    layout->addLayout(idRow);
    layout->addWidget(buttons);

    group_.SetPurpose(faceInfo_.FacePurpose());
    genres_->addItems(group_.Names());
    warning_->setVisible(!group_.Found());
    warning_->setText(TemplateCatalogueMissingMessage());
    for (int i = 0; i < idRow->count(); ++i)
        if (QWidget* widget = idRow->itemAt(i)->widget())
            widget->setVisible(!ids_->Empty());

    connect(idEdit_, &QLineEdit::textChanged, this, [this](const QString& text) { search_->setEnabled(text.size() == 4); });
    connect(search_, &QPushButton::clicked, this, &TTemplateBrowser::SearchId);
    connect(genres_, &QComboBox::currentIndexChanged, this, &TTemplateBrowser::ShowGenre);
    connect(view_, &QListWidget::itemDoubleClicked, this, [this] {
        if (ApplySelected())
            accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (ApplySelected())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (group_.Count() > 0)
        genres_->setCurrentIndex(lastGenre < group_.Count() ? lastGenre : 0);
    ShowGenre(genres_->currentIndex());
}

TTemplateBrowser::~TTemplateBrowser() = default;

void TTemplateBrowser::ShowGenre(int genre)
{
    list_.Clear();
    view_->clear();
    if (genre < 0 || genre >= group_.Count())
        return;
    lastGenre = genre;
    list_.ScanFolder(group_.GenreFolder(genre), &faceInfo_);
    for (const TTemplateInfo& info : list_.Items()) {
        const QString id = ids_->IdOfTemplate({info.FileName, info.Sheet, info.Label});
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(Thumbnail(info))), id, view_);
        item->setToolTip(QFileInfo(info.FileName).completeBaseName());
    }
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

bool TTemplateBrowser::ApplySelected()
{
    const int row = view_->currentRow();
    if (row < 0 || row >= list_.Count() || !AskYesNo(ApplyTemplatePrompt(), false))
        return false;
    try {
        ApplyTemplate(list_.Item(row), document_, face_);
    } catch (const std::exception& error) {
        ShowError(error);
        return false;
    }
    return true;
}
