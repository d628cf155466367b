#include "objects/ui/back_image_editor.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/backgrounds/effect_presets.h"
#include "objects/ui/back_clip_editor.h"
#include "objects/ui/back_picture_fields.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/effect_page.h"
#include "objects/ui/object_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A wash starts black at half strength.
constexpr unsigned kWashStartColour = 0x000000;
constexpr int kWashStartRatio = 50;

bool HasWash(const TLOBackImage& background)
{
    const TGraphic* graphic = background.BlendPicture()->Graphic();
    return graphic && !graphic->Empty();
}

} // namespace

TfrmBackImageEditor::TfrmBackImageEditor(TLOBackImage2004& background, const QString& dataFolder, QWidget* parent)
    : QDialog(parent), background_(background), dataFolder_(dataFolder),
      frames_(LoadFrameList(QDir(dataFolder).filePath(QStringLiteral("BackGrnd/BackFram.dat")))),
      pages_(new QTabWidget), tile_(new QCheckBox(QStringLiteral("並べて表示(&T)"))),
      tileShift_(new QCheckBox(QStringLiteral("交互に並べる(&E)"))), pictureFields_(new TBackPictureFields),
      clip_(new TfrmBackClipEditor), effects_(new TfrmBackEffectEditor), frameList_(new QListWidget),
      blendColor_(new TColorSpecButton(QStringLiteral("色"))), blendRatio_(new QSpinBox),
      preview_(new TObjectPreview)
{
    setWindowTitle(QStringLiteral("背景イメージの調整"));
    TColorSpec& fill = *background_.FillColor();

    auto* imagePage = new QWidget;
    auto* imageLayout = new QVBoxLayout(imagePage);
    imageLayout->addWidget(tile_);
    imageLayout->addWidget(tileShift_);
    imageLayout->addWidget(pictureFields_);
    imageLayout->addStretch();
    tile_->setChecked(fill.Tile());
    tileShift_->setChecked(fill.TileShift());
    tileShift_->setEnabled(fill.Tile());
    pictureFields_->SetPicture(fill.ImageData()->Empty() ? nullptr : background_.FillBackImage());

    clip_->SetImageData(fill.ImageData()->Empty() ? nullptr : fill.ImageData(), background_.FaceInfo());

    effects_->SetPresets(LoadEffectPresets(QDir(dataFolder).filePath(QStringLiteral("Effect/Effect.dat"))));
    effects_->SetImageData(fill.ImageData()->Empty() ? nullptr : fill.ImageData());

    auto* framePage = new QWidget;
    auto* frameLayout = new QVBoxLayout(framePage);
    frameList_->setViewMode(QListView::IconMode);
    frameList_->setIconSize({64, 64});
    frameList_->setResizeMode(QListView::Adjust);
    new QListWidgetItem(QStringLiteral("なし"), frameList_);
    for (const TFrameGenre& genre : frames_)
        for (const TFrameEntry& entry : genre.Entries) {
            const QImage thumbnail = QImageReader(FramePicturePath(dataFolder_, genre, {entry.Preview, {}, {}})).read();
            new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), QString(), frameList_);
        }
    frameLayout->addWidget(frameList_);
    auto* washForm = new QFormLayout;
    blendRatio_->setRange(0, 100);
    blendRatio_->setSuffix(QStringLiteral(" %"));
    washForm->addRow(blendColor_);
    washForm->addRow(QStringLiteral("濃さ"), blendRatio_);
    frameLayout->addLayout(washForm);
    if (HasWash(background_)) {
        blendColor_->SetSpec(*background_.BlendColor());
        blendRatio_->setValue(background_.BlendRatio());
    } else {
        blendColor_->SetSolidColor(kWashStartColour);
        blendRatio_->setValue(kWashStartRatio);
        frameList_->setCurrentRow(0);
    }

    pages_->addTab(imagePage, QStringLiteral("イメージ"));
    pages_->addTab(clip_, QStringLiteral("切り抜き"));
    pages_->addTab(effects_, QStringLiteral("画質調整"));
    pages_->addTab(framePage, QStringLiteral("フレーム"));

    auto* reselect = new QPushButton(QStringLiteral("<< 再選択"));
    auto* buttons = OkCancelButtons(*this);
    buttons->addButton(reselect, QDialogButtonBox::ActionRole);
    auto* body = new QHBoxLayout;
    body->addWidget(pages_, 1);
    body->addWidget(preview_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);

    connect(tile_, &QCheckBox::toggled, this, [this](bool on) {
        background_.FillColor()->SetTile(on);
        tileShift_->setEnabled(on);
        Refresh();
    });
    connect(tileShift_, &QCheckBox::toggled, this, [this](bool on) {
        background_.FillColor()->SetTileShift(on);
        Refresh();
    });
    connect(pictureFields_, &TBackPictureFields::Changed, this, [this] {
        effects_->ShowValues();
        clip_->ShowPicture();
        Refresh();
    });
    connect(clip_, &TfrmBackClipEditor::Changed, this, &TfrmBackImageEditor::Refresh);
    connect(effects_->PresetBox(), &QComboBox::currentIndexChanged, this, &TfrmBackImageEditor::Refresh);
    connect(frameList_, &QListWidget::currentRowChanged, this, &TfrmBackImageEditor::ChooseFrame);
    connect(blendColor_, &TColorSpecButton::Changed, this, &TfrmBackImageEditor::WriteWash);
    connect(blendRatio_, &QSpinBox::valueChanged, this, &TfrmBackImageEditor::WriteWash);
    connect(reselect, &QPushButton::clicked, this, [this] { done(kReselectResult); });
    Refresh();
}

TfrmBackImageEditor::~TfrmBackImageEditor() = default;

void TfrmBackImageEditor::ChooseFrame(int row)
{
    if (row < 0)
        return;
    if (frameList_->currentRow() != row) {
        const QSignalBlocker block(frameList_);
        frameList_->setCurrentRow(row);
    }
    if (row == 0) {
        background_.BlendPicture()->SetGraphic(nullptr);
        Refresh();
        return;
    }
    int index = row - 1;
    for (const TFrameGenre& genre : frames_) {
        if (index < int(genre.Entries.size())) {
            try {
                background_.BlendPicture()->LoadFromFile(FramePicturePath(dataFolder_, genre, genre.Entries[size_t(index)]));
            } catch (const std::exception& error) {
                ShowError(error);
            }
            break;
        }
        index -= int(genre.Entries.size());
    }
    WriteWash();
}

void TfrmBackImageEditor::WriteWash()
{
    if (HasWash(background_)) {
        background_.BlendColor()->Assign(blendColor_->Spec());
        background_.SetBlendRatio(blendRatio_->value());
    }
    Refresh();
}

void TfrmBackImageEditor::Refresh()
{
    preview_->SetObject(&background_);
    preview_->update();
}
