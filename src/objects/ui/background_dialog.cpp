#include "objects/ui/background_dialog.h"

#include "core/messages.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/ui/back_picture_fields.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/object_preview.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The band a target without a previous width starts with: 10 mm.
constexpr int kDefaultFrameWidth = 100;

} // namespace

TfrmBackGround2002::TfrmBackGround2002(TLOBackImage2004& background, PictureChooser chooser, QWidget* parent)
    : QDialog(parent), background_(background), chooser_(std::move(chooser)),
      lastWidth_(background.FrameWidth() > 0 ? background.FrameWidth() : kDefaultFrameWidth),
      targets_(new QButtonGroup(this)), frameWidth_(MillimetreSpin(this, 0, 200, 10)),
      color_(new TColorSpecButton(QStringLiteral("単色"))), tile_(new QCheckBox(QStringLiteral("並べる"))),
      tileShift_(new QCheckBox(QStringLiteral("ずらす"))), pictureFields_(new TBackPictureFields),
      preview_(new TObjectPreview)
{
    setWindowTitle(QStringLiteral("背景柄の設定"));
    auto* targetBox = new QGroupBox(QStringLiteral("適用対象"));
    auto* targetRow = new QHBoxLayout(targetBox);
    const QStringList targetNames{QStringLiteral("全体"), QStringLiteral("塗り色"), QStringLiteral("枠線")};
    for (int i = 0; i < targetNames.size(); ++i) {
        auto* button = new QRadioButton(targetNames[i]);
        targets_->addButton(button, i);
        targetRow->addWidget(button);
    }
    auto* widthForm = new QFormLayout;
    widthForm->addRow(QStringLiteral("枠線の太さ"), frameWidth_);
    targetRow->addLayout(widthForm);

    auto* sourceBox = new QGroupBox(QStringLiteral("画像"));
    auto* sourceRow = new QHBoxLayout(sourceBox);
    auto* file = new QPushButton(QStringLiteral("全面に画像"));
    auto* clipboard = new QPushButton(QStringLiteral("クリップボード"));
    sourceRow->addWidget(file);
    sourceRow->addWidget(clipboard);
    auto* colourBox = new QGroupBox(QStringLiteral("カラー"));
    auto* colourRow = new QHBoxLayout(colourBox);
    colourRow->addWidget(color_);

    auto* optionBox = new QGroupBox;
    auto* options = new QVBoxLayout(optionBox);
    auto* tiling = new QHBoxLayout;
    tiling->addWidget(tile_);
    tiling->addWidget(tileShift_);
    options->addLayout(tiling);
    options->addWidget(pictureFields_);

    auto* clear = new QPushButton(QStringLiteral("クリア"));
    auto* adjust = new QPushButton(QStringLiteral("画質調整 >>"));
    auto* buttons = OkCancelBox(*this);
    buttons->addButton(clear, QDialogButtonBox::ResetRole);
    buttons->addButton(adjust, QDialogButtonBox::ActionRole);

    auto* pagesColumn = new QVBoxLayout;
    pagesColumn->addWidget(targetBox);
    pagesColumn->addWidget(sourceBox);
    pagesColumn->addWidget(colourBox);
    pagesColumn->addWidget(optionBox);
    pagesColumn->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(pagesColumn, 1);
    body->addWidget(preview_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);

    connect(targets_, &QButtonGroup::idClicked, this, [this](int target) { SetTarget(TTarget(target)); });
    connect(frameWidth_, &QDoubleSpinBox::valueChanged, this, [this] {
        if (Target() == tWhole)
            return;
        background_.SetFrameWidth(UnitsOf(*frameWidth_));
        if (background_.FrameWidth() > 0)
            lastWidth_ = background_.FrameWidth();
        Refresh();
    });
    connect(file, &QPushButton::clicked, this, [this] {
        if (const QString path = chooser_ ? chooser_(this) : QString(); !path.isEmpty())
            TakePicture(path);
    });
    connect(clipboard, &QPushButton::clicked, this, [this] {
        try {
            if (const QMimeData* data = QApplication::clipboard()->mimeData())
                TargetSpec().ImageData()->Picture()->AssignClipboard(*data);
            TargetSpec().ImageData()->ResetClip();
            TargetSpec().SetKind(cskBitmap);
        } catch (const std::exception& error) {
            ShowError(error);
        }
        Refresh();
    });
    connect(color_, &TColorSpecButton::Changed, this, [this] {
        TColorSpec& spec = TargetSpec();
        TUpdateBracket bracket(spec.Notify());
        spec.SetKind(cskSolid);
        spec.SetStyle(bsSolid);
        spec.SetColor(color_->Spec().Color());
    });
    connect(color_, &TColorSpecButton::Changed, this, &TfrmBackGround2002::Refresh);
    connect(tile_, &QCheckBox::toggled, this, [this](bool on) {
        TargetSpec().SetTile(on);
        tileShift_->setEnabled(on);
        Refresh();
    });
    connect(tileShift_, &QCheckBox::toggled, this, [this](bool on) {
        TargetSpec().SetTileShift(on);
        Refresh();
    });
    connect(pictureFields_, &TBackPictureFields::Changed, this, &TfrmBackGround2002::Refresh);
    connect(clear, &QPushButton::clicked, this, &TfrmBackGround2002::Clear);
    connect(adjust, &QPushButton::clicked, this, [this] { done(kAdjustResult); });

    targets_->button(background_.FrameWidth() > 0 ? tFill : tWhole)->setChecked(true);
    ShowTarget();
}

TfrmBackGround2002::~TfrmBackGround2002() = default;

TfrmBackGround2002::TTarget TfrmBackGround2002::Target() const
{
    return TTarget(std::max(0, targets_->checkedId()));
}

void TfrmBackGround2002::SetTarget(TTarget target)
{
    targets_->button(target)->setChecked(true);
    if (target == tWhole)
        background_.SetFrameWidth(0);
    else if (background_.FrameWidth() == 0)
        background_.SetFrameWidth(lastWidth_);
    ShowTarget();
}

TColorSpec& TfrmBackGround2002::TargetSpec() const
{
    return Target() == tFrame ? *background_.FrameColor() : *background_.FillColor();
}

TBackImagePicture& TfrmBackGround2002::TargetPicture() const
{
    return Target() == tFrame ? *background_.FrameBackImage() : *background_.FillBackImage();
}

void TfrmBackGround2002::TakePicture(const QString& path)
{
    TColorSpec& spec = TargetSpec();
    try {
        spec.ImageData()->Picture()->LoadFromFile(path);
    } catch (const std::exception& error) {
        ShowError(error);
        return;
    }
    spec.ImageData()->ResetClip();
    spec.SetKind(cskBitmap);
    ShowTarget();
}

void TfrmBackGround2002::Clear()
{
    background_.ClearBackground();
    targets_->button(tWhole)->setChecked(true);
    ShowTarget();
}

void TfrmBackGround2002::ShowTarget()
{
    const bool band = Target() != tWhole;
    frameWidth_->setEnabled(band);
    {
        const QSignalBlocker blockWidth(frameWidth_), blockColour(color_), blockTile(tile_), blockShift(tileShift_);
        SetUnits(*frameWidth_, background_.FrameWidth());
        color_->SetSpec(TargetSpec());
        tile_->setChecked(TargetSpec().Tile());
        tileShift_->setChecked(TargetSpec().TileShift());
    }
    tileShift_->setEnabled(tile_->isChecked());
    pictureFields_->SetPicture(TargetSpec().ImageData()->Empty() ? nullptr : &TargetPicture());
    Refresh();
}

void TfrmBackGround2002::Refresh()
{
    preview_->SetObject(&background_);
    preview_->update();
}
