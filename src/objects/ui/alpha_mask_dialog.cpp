#include "objects/ui/alpha_mask_dialog.h"

#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/pictures/alpha_mask.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The page shown last, while the program runs.
int lastPage = 0;

} // namespace

TfrmAlphaMaskProperty::TfrmAlphaMaskProperty(const TLOAlphaMask& object, bool newObject, ShapeChooser chooser,
                                             QWidget* parent)
    : QDialog(parent), copy_(std::make_unique<TLOAlphaMask>()), angle_(object.Angle()), ratio_(object.BlendRatio()),
      newObject_(newObject), chooser_(std::move(chooser)), pages_(new QTabWidget),
      colour_(new QPushButton(QStringLiteral("色..."))), position_(new TPositionPage), preview_(new TObjectPreview)
{
    setWindowTitle(QStringLiteral("シェード図形の設定"));
    copy_->Assign(object);
    // The preview shows the figure unturned and fully opaque.
    copy_->SetAngle(0);
    copy_->SetBlendRatio(100);

    auto* colourPage = new QWidget;
    auto* colourLayout = new QVBoxLayout(colourPage);
    auto* shape = new QPushButton(QStringLiteral("図形選択..."));
    colourLayout->addWidget(colour_);
    colourLayout->addWidget(shape);
    colourLayout->addWidget(preview_, 0, Qt::AlignHCenter);
    pages_->addTab(colourPage, QStringLiteral("色"));
    pages_->addTab(position_, QStringLiteral("位置"));
    pages_->setCurrentIndex(lastPage);
    position_->SetRect(copy_->BoundsRect());
    position_->SetSizeEnabled(!newObject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    auto* buttons = OkCancelButtons(*this);
    layout->addWidget(buttons);
    connect(pages_, &QTabWidget::currentChanged, this, [](int page) { lastPage = page; });
    connect(shape, &QPushButton::clicked, this, [this] {
        if (const QString path = chooser_ ? chooser_(this) : QString(); !path.isEmpty())
            TakeShape(path);
    });
    connect(colour_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(ToQColor(copy_->FillColor().Color()), this);
        if (!chosen.isValid())
            return;
        TColorSpec colour;
        colour.Assign(copy_->FillColor());
        colour.SetKind(cskSolid);
        colour.SetColor(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
        copy_->SetFillColor(colour);
        ShowPreview();
    });
    ShowPreview();
}

TfrmAlphaMaskProperty::~TfrmAlphaMaskProperty() = default;

bool TfrmAlphaMaskProperty::Prepare()
{
    const TGraphic* graphic = copy_->Picture()->Graphic();
    if (graphic && !graphic->Empty())
        return true;
    const QString path = chooser_ ? chooser_(this) : QString();
    if (path.isEmpty())
        return false;
    TakeShape(path);
    return true;
}

void TfrmAlphaMaskProperty::TakeShape(const QString& path)
{
    try {
        copy_->Picture()->LoadFromFile(path);
    } catch (const std::exception& error) {
        ShowError(error);
        return;
    }
    if (newObject_) {
        copy_->FitSizeToShade();
        position_->SetRect(copy_->BoundsRect());
    }
    ShowPreview();
}

const TLOAlphaMask& TfrmAlphaMaskProperty::Result()
{
    copy_->SetBoundsRect(position_->Rect());
    copy_->SetAngle(angle_);
    copy_->SetBlendRatio(ratio_);
    return *copy_;
}

void TfrmAlphaMaskProperty::ShowPreview()
{
    preview_->SetObject(copy_.get());
}
