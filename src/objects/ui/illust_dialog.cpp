#include "objects/ui/illust_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/arranged_image.h"
#include "objects/pictures/image_composite.h"
#include "objects/pictures/shade_list.h"
#include "objects/pictures/wizard_image.h"
#include "objects/ui/effect_page.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The title of the page last shown (the pages differ between picture kinds).
QString lastPage;

bool HasPicture(const TLOImage& image)
{
    return !image.ImageData()->Empty();
}

// A copy of the object's own class, so that what its class adds (the wizard flag, the
// arrangement settings) goes through the dialog and back.
std::unique_ptr<TLOImage> CopyOf(const TLOImage& object)
{
    std::unique_ptr<TPersistent> made(object.ClassInfo().Create());
    std::unique_ptr<TLOImage> copy(dynamic_cast<TLOImage*>(made.get()));
    if (copy)
        made.release();
    else
        copy = std::make_unique<TLOImage>();
    copy->Assign(object);
    return copy;
}

} // namespace

TfrmIllustProperty::TfrmIllustProperty(const TLOImage& object, const QString& frameListPath, bool advanced,
                                       PictureChooser chooser, QWidget* parent)
    : QDialog(parent), copy_(CopyOf(object)), arranged_(dynamic_cast<TLOArrangedImage*>(copy_.get())),
      chooser_(std::move(chooser)), pages_(new QTabWidget), transparent_(new QCheckBox(QStringLiteral("白を透明にする"))),
      effects_(new TfrmBackEffectEditor), position_(new TPositionPage), preview_(new TObjectPreview)
{
    setWindowTitle(arranged_ ? QStringLiteral("複数イメージの設定") : QStringLiteral("イラストの設定"));

    auto* picturePage = new QWidget;
    auto* pictureLayout = new QVBoxLayout(picturePage);
    auto* file = new QPushButton(arranged_ ? QStringLiteral("複数イメージの選択...") : QStringLiteral("ファイル..."));
    pictureLayout->addWidget(file);
    pictureLayout->addWidget(transparent_);
    pictureLayout->addStretch();
    transparent_->setChecked(copy_->ImageData()->TransparentColor() != clNone);

    effects_->SetImageData(copy_->ImageData());
    position_->SetRect(copy_->BoundsRect());

    pages_->addTab(picturePage, QStringLiteral("イメージ"));
    if (!arranged_) {
        frames_ = LoadShadeList(frameListPath);
        pages_->addTab(MakeFramePage(), QStringLiteral("フレーム"));
    }
    pages_->addTab(effects_, QStringLiteral("効果"));
    pages_->addTab(position_, QStringLiteral("位置"));
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->tabText(i) == lastPage)
            pages_->setCurrentIndex(i);

    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    body->addWidget(pages_, 1);
    body->addWidget(preview_, 0, Qt::AlignTop);
    layout->addLayout(body);
    if (advanced && dynamic_cast<IWizardInput*>(copy_.get())) {
        wizard_ = new QCheckBox(QStringLiteral("ｳｨｻﾞｰﾄﾞ項目"));
        wizard_->setChecked(dynamic_cast<IWizardInput&>(*copy_).WizInputEnable());
        layout->addWidget(wizard_);
    }
    layout->addWidget(OkCancelButtons(*this));

    connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
        lastPage = pages_->tabText(page);
        ShowPreview();
    });
    connect(file, &QPushButton::clicked, this, &TfrmIllustProperty::ChoosePicture);
    connect(transparent_, &QCheckBox::toggled, this, [this](bool on) {
        copy_->ImageData()->SetTransparentColor(on ? clWhite : clNone);
        ShowPreview();
    });
    ShowPreview();
}

QWidget* TfrmIllustProperty::MakeFramePage()
{
    auto* framePage = new QWidget;
    auto* frameLayout = new QVBoxLayout(framePage);
    auto* kinds = new QHBoxLayout;
    auto* kindGroup = new QButtonGroup(this);
    const QStringList kindNames{QStringLiteral("なし"), QStringLiteral("フレーム"), QStringLiteral("アルファフレーム")};
    for (int i = 0; i < 3; ++i) {
        frameKinds_[i] = new QRadioButton(kindNames[i]);
        frameKinds_[i]->setEnabled(i == 0 || int(frames_.size()) >= i);
        kindGroup->addButton(frameKinds_[i], i);
        kinds->addWidget(frameKinds_[i]);
    }
    frameLayout->addLayout(kinds);
    frameList_ = new QListWidget;
    frameList_->setViewMode(QListView::IconMode);
    frameList_->setIconSize({64, 64});
    frameLayout->addWidget(frameList_);
    const TGraphic* frame = copy_->FramePicture()->Graphic();
    frameKinds_[frame && !frame->Empty() ? (copy_->AlphaFrame() ? 2 : 1) : 0]->setChecked(true);

    connect(kindGroup, &QButtonGroup::idClicked, this, [this](int kind) { ChooseFrame(kind, -1); });
    connect(frameList_, &QListWidget::currentRowChanged, this, [this, kindGroup](int row) {
        if (row >= 0)
            ChooseFrame(kindGroup->checkedId(), row);
    });
    ShowFrames();
    return framePage;
}

TfrmIllustProperty::~TfrmIllustProperty() = default;

bool TfrmIllustProperty::Prepare()
{
    return HasPicture(*copy_) || (ChoosePicture() && HasPicture(*copy_));
}

bool TfrmIllustProperty::ChoosePicture()
{
    if (arranged_) {
        if (!arrangementChooser_ || !arrangementChooser_(*arranged_, this))
            return false;
        effects_->ShowValues();
        ShowPreview();
        return true;
    }
    const QString path = chooser_ ? chooser_(this) : QString();
    if (path.isEmpty())
        return false;
    TakePicture(path);
    return true;
}

void TfrmIllustProperty::TakePicture(const QString& path)
{
    const bool first = !HasPicture(*copy_);
    try {
        copy_->ImageData()->Picture()->LoadFromFile(path);
    } catch (const std::exception& error) {
        ShowError(error);
        return;
    }
    copy_->ImageData()->ResetClip();
    if (first) {
        copy_->FitSizeToPicture();
        position_->SetRect(copy_->BoundsRect());
    }
    effects_->ShowValues();
    ShowPreview();
}

void TfrmIllustProperty::ChooseFrame(int kind, int entry)
{
    if (!frameList_)
        return;
    const QSignalBlocker blocker(frameList_);
    frameKinds_[std::clamp(kind, 0, 2)]->setChecked(true);
    if (kind <= 0 || kind > int(frames_.size())) {
        copy_->FramePicture()->SetGraphic(nullptr);
        copy_->SetAlphaFrame(false);
        ShowFrames();
        ShowPreview();
        return;
    }
    ShowFrames();
    const TShadeGenre& genre = frames_[kind - 1];
    if (entry < 0 || entry >= int(genre.Entries.size())) {
        ShowPreview();
        return;
    }
    frameList_->setCurrentRow(entry);
    try {
        copy_->FramePicture()->LoadFromFile(ShadePicturePath(genre, genre.Entries[entry], false));
    } catch (const std::exception& error) {
        ShowError(error);
    }
    copy_->SetAlphaFrame(kind == 2);
    ShowPreview();
}

void TfrmIllustProperty::ShowFrames()
{
    frameList_->clear();
    int kind = 0;
    for (int i = 0; i < 3; ++i)
        if (frameKinds_[i]->isChecked())
            kind = i;
    if (kind == 0 || kind > int(frames_.size()))
        return;
    const TShadeGenre& genre = frames_[kind - 1];
    for (const TShadeEntry& entry : genre.Entries) {
        QImage thumbnail = QImageReader(ShadePreviewPath(genre, entry)).read();
        // An overlay frame's window shows as see-through, an alpha frame as it is.
        if (kind == 1 && !thumbnail.isNull()) {
            thumbnail = thumbnail.convertToFormat(QImage::Format_ARGB32);
            thumbnail.setAlphaChannel(thumbnail.createMaskFromColor(kFrameWindowColour | 0xFF000000u, Qt::MaskInColor)
                                          .convertToFormat(QImage::Format_Grayscale8));
        }
        new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), QString(), frameList_);
    }
}

const TLOImage& TfrmIllustProperty::Result()
{
    copy_->SetBoundsRect(position_->Rect());
    if (auto* input = dynamic_cast<IWizardInput*>(copy_.get()); input && wizard_)
        input->SetWizInputEnable(wizard_->isChecked());
    return *copy_;
}

void TfrmIllustProperty::ShowPreview()
{
    preview_->SetObject(copy_.get());
}
