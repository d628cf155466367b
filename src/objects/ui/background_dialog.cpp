#include "objects/ui/background_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/load_image_file.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/picture_messages.h"
#include "objects/backgrounds/arrange_compose.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/backgrounds/back_multi_image.h"
#include "objects/backgrounds/background_library.h"
#include "objects/ui/back_picture_fields.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/gradation_fields.h"
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
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The band a target without a previous width starts with: 10 mm.
constexpr int kDefaultFrameWidth = 100;
constexpr int kThumbnailSide = 64;

// The thumbnail of a library picture; null when its preview cannot be read.
QIcon Thumbnail(const QString& path)
{
    try {
        TPictureEx picture;
        LoadImageFile(picture, path);
        if (const TGraphic* graphic = picture.Graphic())
            return QIcon(QPixmap::fromImage(graphic->ToImage().scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio,
                                                                      Qt::SmoothTransformation)));
    } catch (const std::exception&) {
        // A missing preview leaves the entry without its thumbnail; the picture may still load.
    }
    return {};
}

} // namespace

TfrmBackGround2002::TfrmBackGround2002(TLOBackImage2004& background, TBackgroundSources sources, QWidget* parent)
    : QDialog(parent), background_(background), sources_(std::move(sources)),
      lastWidth_(background.FrameWidth() > 0 ? background.FrameWidth() : kDefaultFrameWidth),
      targets_(new QButtonGroup(this)), frameWidth_(MillimetreSpin(this, 0, 200, 10)),
      color_(new TColorSpecButton(QStringLiteral("単色"))), gradation_(new TGradationFields),
      tile_(new QCheckBox(QStringLiteral("並べる"))), tileShift_(new QCheckBox(QStringLiteral("ずらす"))),
      pictureFields_(new TBackPictureFields), preview_(new TObjectPreview), library_(new QListWidget),
      libraryMessage_(new QLabel), arrangeFiles_(new QListWidget), arrangeTile_(new QRadioButton(QStringLiteral("並べる"))),
      arrangeRandom_(new QRadioButton(QStringLiteral("ランダム"))), arrangeShift_(new QCheckBox(QStringLiteral("ずらす")))
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

    auto* sourcePages = new QTabWidget;
    sourcePages->addTab(LibraryPage(), QStringLiteral("背景集"));
    sourcePages->addTab(PicturePage(), QStringLiteral("画像"));
    sourcePages->addTab(ColourPage(), QStringLiteral("カラー"));
    sourcePages->addTab(CapturePage(), QStringLiteral("取り込み"));

    auto* optionBox = new QGroupBox;
    auto* options = new QVBoxLayout(optionBox);
    auto* tiling = new QHBoxLayout;
    tiling->addWidget(tile_);
    tiling->addWidget(tileShift_);
    options->addLayout(tiling);
    options->addWidget(pictureFields_);

    auto* clear = new QPushButton(QStringLiteral("クリア"));
    auto* adjust = new QPushButton(QStringLiteral("画質調整 >>"));
    auto* buttons = OkCancelButtons(*this);
    buttons->addButton(clear, QDialogButtonBox::ResetRole);
    buttons->addButton(adjust, QDialogButtonBox::ActionRole);

    auto* pagesColumn = new QVBoxLayout;
    pagesColumn->addWidget(targetBox);
    pagesColumn->addWidget(sourcePages);
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

QWidget* TfrmBackGround2002::LibraryPage()
{
    library_->setViewMode(QListView::IconMode);
    library_->setIconSize({kThumbnailSide, kThumbnailSide});
    library_->setResizeMode(QListView::Adjust);
    library_->setMovement(QListView::Static);
    libraryMessage_->setWordWrap(true);
    const TBackgroundLibrary library = sources_.DataFolder.isEmpty()
                                           ? TBackgroundLibrary{{}, QStringLiteral("背景集がありません")}
                                           : LoadBackgroundLibrary(sources_.DataFolder);
    for (const TLibraryPicture& picture : library.Pictures) {
        auto* item = new QListWidgetItem(Thumbnail(picture.PreviewPath), picture.Title, library_);
        item->setToolTip(picture.Genre + QStringLiteral(" - ") + picture.Title);
        libraryPaths_.push_back(picture.PicturePath);
    }
    libraryMessage_->setText(library.Error);
    libraryMessage_->setVisible(!library.Error.isEmpty());
    connect(library_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { TakeLibraryPicture(library_->row(item)); });

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(library_);
    column->addWidget(libraryMessage_);
    return page;
}

QWidget* TfrmBackGround2002::PicturePage()
{
    auto* file = new QPushButton(QStringLiteral("全面に画像"));
    connect(file, &QPushButton::clicked, this, [this] {
        if (const QString path = sources_.Picture ? sources_.Picture(this) : QString(); !path.isEmpty())
            TakePicture(path);
    });

    auto* arrangeBox = new QGroupBox(QStringLiteral("複数画像を配置"));
    auto* choose = new QPushButton(QStringLiteral("画像の選択..."));
    auto* make = new QPushButton(QStringLiteral("作成"));
    auto* arrangement = new QButtonGroup(this);
    arrangement->addButton(arrangeTile_);
    arrangement->addButton(arrangeRandom_);
    arrangeTile_->setChecked(true);
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(arrangeTile_);
    styleRow->addWidget(arrangeShift_);
    styleRow->addWidget(arrangeRandom_);
    styleRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(choose);
    buttonRow->addStretch();
    buttonRow->addWidget(make);
    auto* arrangeColumn = new QVBoxLayout(arrangeBox);
    arrangeColumn->addWidget(arrangeFiles_);
    arrangeColumn->addLayout(styleRow);
    arrangeColumn->addLayout(buttonRow);
    connect(arrangeTile_, &QRadioButton::toggled, arrangeShift_, &QCheckBox::setEnabled);
    connect(choose, &QPushButton::clicked, this, [this] {
        if (sources_.Pictures)
            if (const QStringList paths = sources_.Pictures(this); !paths.isEmpty())
                SetArrangePictures(paths);
    });
    connect(make, &QPushButton::clicked, this, [this] { MakeArrangement(); });

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(file, 0, Qt::AlignLeft);
    column->addWidget(arrangeBox);
    return page;
}

QWidget* TfrmBackGround2002::ColourPage()
{
    connect(color_, &TColorSpecButton::Changed, this, [this] {
        TColorSpec& spec = TargetSpec();
        {
            TUpdateBracket bracket(spec.Notify());
            spec.SetKind(cskSolid);
            spec.SetStyle(bsSolid);
            spec.SetColor(color_->Spec().Color());
        }
        Refresh();
    });
    auto* gradationBox = new QGroupBox(QStringLiteral("グラデーション"));
    auto* apply = new QPushButton(QStringLiteral("グラデーション"));
    auto* gradationColumn = new QVBoxLayout(gradationBox);
    gradationColumn->addWidget(gradation_);
    gradationColumn->addWidget(apply, 0, Qt::AlignLeft);
    connect(apply, &QPushButton::clicked, this, &TfrmBackGround2002::TakeGradation);
    // Once the paint is a gradient, every change of the fields shows at once.
    connect(gradation_, &TGradationFields::Changed, this, [this] {
        if (TargetSpec().Kind() == cskGradation)
            TakeGradation();
    });

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(color_, 0, Qt::AlignLeft);
    column->addWidget(gradationBox);
    column->addStretch();
    return page;
}

QWidget* TfrmBackGround2002::CapturePage()
{
    auto* clipboard = new QPushButton(QStringLiteral("クリップボード"));
    connect(clipboard, &QPushButton::clicked, this, &TfrmBackGround2002::TakeClipboard);
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(clipboard, 0, Qt::AlignLeft);
    column->addStretch();
    return page;
}

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
    TargetPicture().SetMultiImage(false);
    ShowTarget();
}

void TfrmBackGround2002::TakeLibraryPicture(int row)
{
    if (row >= 0 && row < int(libraryPaths_.size()))
        TakePicture(libraryPaths_[size_t(row)]);
}

void TfrmBackGround2002::TakeClipboard()
{
    try {
        if (const QMimeData* data = QApplication::clipboard()->mimeData())
            TargetSpec().ImageData()->Picture()->AssignClipboard(*data);
        TargetSpec().ImageData()->ResetClip();
        TargetSpec().SetKind(cskBitmap);
        TargetPicture().SetMultiImage(false);
    } catch (const std::exception& error) {
        ShowError(error);
    }
    ShowTarget();
}

void TfrmBackGround2002::TakeGradation()
{
    gradation_->Write(TargetSpec());
    ShowTarget();
}

void TfrmBackGround2002::SetArrangePictures(const QStringList& paths)
{
    arrangeFiles_->clear();
    arrangeFiles_->addItems(paths);
}

QStringList TfrmBackGround2002::ArrangePictures() const
{
    QStringList paths;
    for (int i = 0; i < arrangeFiles_->count(); ++i)
        paths << arrangeFiles_->item(i)->text();
    return paths;
}

bool TfrmBackGround2002::MakeArrangement()
{
    const QStringList paths = ArrangePictures();
    if (paths.size() < 2) {
        ShowInformation(QStringLiteral("複数の画像を選択してから<作成ボタン>を押してください"));
        return false;
    }
    // A picture that cannot be read would leave a hole: nothing is made.
    const TFilePictures pictures(paths);
    for (int i = 0; i < pictures.Count(); ++i)
        if (pictures.Size(i).isEmpty()) {
            ShowInformation(picturemsg::ImageLoadFailed() + QStringLiteral("\r\n") + paths[i]);
            return false;
        }
    const TPosArrange arrange = arrangeRandom_->isChecked() ? paRandom : arrangeShift_->isChecked() ? paTileShift : paTile;
    const QImage bitmap =
        ArrangeBackPictures(BackArrangeCanvas(background_.Width(), background_.Height()), pictures, arrange);
    if (bitmap.isNull())
        return false;
    PutArrangedPicture(TargetSpec(), TargetPicture(), bitmap, arrange, background_.FaceInfo());
    ShowTarget();
    return true;
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
    gradation_->Read(TargetSpec());
    tileShift_->setEnabled(tile_->isChecked());
    pictureFields_->SetPicture(TargetSpec().ImageData()->Empty() ? nullptr : &TargetPicture());
    Refresh();
}

void TfrmBackGround2002::Refresh()
{
    preview_->SetObject(&background_);
    preview_->update();
}
