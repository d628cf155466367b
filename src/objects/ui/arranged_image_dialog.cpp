#include "objects/ui/arranged_image_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/image_data/image_data.h"
#include "graphics/raster/progress_sink.h"
#include "objects/backgrounds/arranged_image.h"
#include "objects/ui/dialog_parts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kStyleRows = 6;
constexpr int kPreviewSide = 240;

// The progress of a composition: one step per picture, input still processed.
class TProgressWindow : public IProgressSink {
public:
    explicit TProgressWindow(QWidget* parent) : dialog_(QStringLiteral("作成中..."), QString(), 0, 0, parent)
    {
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
    }
    void Start(int steps) override { dialog_.setMaximum(std::max(steps, 1)); dialog_.setValue(0); }
    void Step() override
    {
        dialog_.setValue(dialog_.value() + 1);
        QApplication::processEvents();
    }
    void End() override { dialog_.reset(); }

private:
    QProgressDialog dialog_;
};

} // namespace

TPictureRange ArrangePictureRange(TArrangeStyle style, int slotCount)
{
    switch (style) {
    case asCirCircum:
    case asCirContinue:
        return {3, 16};
    case asCirDoughnut:
        return {8, 15};
    case asCirCircle:
        return {3, 6};
    case asRectTile:
    case asRectRandom:
        return {3, 32};
    case asFixed:
        return {std::min(2, slotCount), slotCount};
    case asNone:
        break;
    }
    return {0, 0};
}

QString PictureRangeText(TPictureRange range)
{
    return range.Min == range.Max ? FormatText(QStringLiteral("%d枚"), {QString::number(range.Min)})
                                  : FormatText(QStringLiteral("%d～%d枚"), {QString::number(range.Min), QString::number(range.Max)});
}

TfrmSelectArrangedImage::TfrmSelectArrangedImage(const TLOArrangedImage& object, std::vector<TFixedLayout> layouts,
                                                 FileChooser chooser, QWidget* parent)
    : QDialog(parent), copy_(std::make_unique<TLOArrangedImage>()), layouts_(std::move(layouts)),
      chooser_(std::move(chooser)), styles_(new QListWidget), files_(new QListWidget),
      standard_(new QRadioButton(QStringLiteral("標準"))), inward_(new QRadioButton(QStringLiteral("内向き"))),
      outward_(new QRadioButton(QStringLiteral("外向き"))), transform_(new QCheckBox(QStringLiteral("変型"))),
      preview_(new QLabel)
{
    setWindowTitle(QStringLiteral("複数イメージファイルの選択"));
    copy_->Assign(object);

    for (const char* name : {"円周", "連続", "ドーナッツ", "円形", "整列", "ランダム"})
        styles_->addItem(QString::fromUtf8(name));
    for (const TFixedLayout& layout : layouts_) {
        auto* item = new QListWidgetItem(layout.Name, styles_);
        if (!layout.Preview.isNull())
            item->setIcon(QIcon(QPixmap::fromImage(layout.Preview)));
    }

    auto* orientation = new QGroupBox(QStringLiteral("向き"));
    auto* orientationLayout = new QVBoxLayout(orientation);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {standard_, inward_, outward_}) {
        group->addButton(button);
        orientationLayout->addWidget(button);
    }
    orientationLayout->addWidget(transform_);

    auto* add = new QPushButton(QStringLiteral("追加(&A)..."));
    auto* remove = new QPushButton(QStringLiteral("削除(&D)"));
    auto* make = new QPushButton(QStringLiteral("作成"));
    make->setObjectName(QStringLiteral("make"));
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(add);
    fileButtons->addWidget(remove);
    fileButtons->addStretch();
    fileButtons->addWidget(make);

    preview_->setFixedSize(kPreviewSide, kPreviewSide);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);

    auto* left = new QVBoxLayout;
    left->addWidget(styles_);
    left->addWidget(orientation);
    auto* middle = new QVBoxLayout;
    middle->addWidget(files_);
    middle->addLayout(fileButtons);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(middle, 1);
    top->addWidget(preview_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(OkCancelButtons(*this));

    // The stored settings select the style and the options; a fixed layout is not stored,
    // so an arranged image of that style starts on the first layout.
    const TArrangeStyle style = copy_->ArrangeStyle();
    const int row = style == asFixed ? kStyleRows : int(style) - 1;
    styles_->setCurrentRow(row >= 0 && row < styles_->count() ? row : 0);
    (copy_->Reverse() ? outward_ : copy_->Rotate() || Style() != asCirCircum ? inward_ : standard_)->setChecked(true);
    transform_->setChecked(copy_->Transform());
    ShowOptions();
    ShowPreview();

    connect(styles_, &QListWidget::currentRowChanged, this, [this] {
        if (standard_->isChecked() && Style() != asCirCircum)
            inward_->setChecked(true);
        ShowOptions();
        SettingsChanged();
    });
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{standard_, inward_, outward_, transform_})
        connect(button, &QAbstractButton::toggled, this, [this] { SettingsChanged(); });
    connect(add, &QPushButton::clicked, this, [this] {
        if (chooser_)
            SetPictures(Pictures() + chooser_(this));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        delete files_->currentItem();
        SettingsChanged();
    });
    connect(make, &QPushButton::clicked, this, [this] { Make(); });
}

TfrmSelectArrangedImage::~TfrmSelectArrangedImage() = default;

TArrangeStyle TfrmSelectArrangedImage::Style() const
{
    const int row = styles_->currentRow();
    return row < 0 ? asNone : row < kStyleRows ? TArrangeStyle(row + 1) : asFixed;
}

void TfrmSelectArrangedImage::SelectRow(int row)
{
    styles_->setCurrentRow(row);
}

void TfrmSelectArrangedImage::SetPictures(const QStringList& paths)
{
    files_->clear();
    files_->addItems(paths);
    SettingsChanged();
}

QStringList TfrmSelectArrangedImage::Pictures() const
{
    QStringList paths;
    for (int i = 0; i < files_->count(); ++i)
        paths << files_->item(i)->text();
    return paths;
}

void TfrmSelectArrangedImage::ShowOptions()
{
    const TArrangeStyle style = Style();
    const bool ring = style >= asCirCircum && style <= asCirCircle;
    standard_->setVisible(style == asCirCircum);
    inward_->setEnabled(ring);
    outward_->setEnabled(ring);
    standard_->setEnabled(ring);
    transform_->setEnabled(style == asCirDoughnut || style == asCirCircle);
}

void TfrmSelectArrangedImage::SettingsChanged()
{
    made_ = false;
}

void TfrmSelectArrangedImage::ShowPreview()
{
    const TGraphic* graphic = copy_->ImageData()->Picture()->Graphic();
    if (!graphic || graphic->Empty()) {
        preview_->clear();
        return;
    }
    const QImage image = graphic->ToImage().scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    preview_->setPixmap(QPixmap::fromImage(image));
}

bool TfrmSelectArrangedImage::Make()
{
    const TArrangeStyle style = Style();
    if (style == asNone)
        return false;
    const int layout = styles_->currentRow() - kStyleRows;
    const std::vector<TLayoutSlot> cells = style == asFixed ? layouts_[layout].Slots : std::vector<TLayoutSlot>();
    const TPictureRange range = ArrangePictureRange(style, int(cells.size()));
    QStringList paths = Pictures();
    if (paths.size() < range.Min || range.Max <= 0) {
        ShowInformation(FormatText(QStringLiteral("%sの画像を選択してください"), {PictureRangeText(range)}));
        return false;
    }
    if (paths.size() > range.Max) {
        if (!AskYesNo(FormatText(QStringLiteral("このレイアウトで指定できる画像は%sです。"), {PictureRangeText(range)}) +
                      QStringLiteral("\r\n最大枚数を越えた画像は含まれません。よろしいですか？")))
            return false;
        paths = paths.mid(0, range.Max);
    }
    copy_->SetArrangeStyle(style);
    copy_->SetRotate(style == asCirCircum && !standard_->isChecked());
    copy_->SetReverse(style >= asCirCircum && style <= asCirCircle && outward_->isChecked());
    copy_->SetTransform(transform_->isChecked());
    TProgressWindow progress(this);
    copy_->ComposeArrangement(TFilePictures(paths), cells, &progress);
    made_ = true;
    ShowPreview();
    return true;
}

void TfrmSelectArrangedImage::done(int result)
{
    // OK without "作成" first makes the arrangement of the current settings.
    if (result == QDialog::Accepted && !made_ && !Make())
        return;
    QDialog::done(result);
}
