#include "objects/ui/deco_line_dialog.h"

#include "core/frame/data_files.h"
#include "editing/ui/dialog_buttons.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/shapes/deco_line.h"
#include "objects/ui/dialog_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The index last chosen, while the program runs.
int lastChosen = 0;

constexpr QSize kThumbnail{120, 32};

QIcon Thumbnail(const QString& path)
{
    TPictureEx picture;
    try {
        picture.LoadFromFile(path);
    } catch (const std::exception&) {
        return {};
    }
    const TGraphic* graphic = picture.Graphic();
    if (!graphic)
        return {};
    QImage strip = RenderTileStrip(graphic->ToImage(), kThumbnail.width(), std::min(kThumbnail.height(), graphic->Height()));
    return QIcon(QPixmap::fromImage(strip));
}

} // namespace

QString TfrmDecoLineProperty::TileFolder()
{
    return LocateDataFile(QStringLiteral("ILLUST\\DecoLine"));
}

TfrmDecoLineProperty::TfrmDecoLineProperty(const TLODecoLine& source, const QString& folder, bool newLine, QWidget* parent)
    : QDialog(parent), newLine_(newLine), flags_(std::make_unique<TObjectFlagFields>())
{
    setWindowTitle(QStringLiteral("飾り罫線の選択"));
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.*")}, QDir::Files, QDir::Name))
        files_.append(dir.filePath(name));

    gallery_ = new QListWidget(this);
    gallery_->setViewMode(QListView::ListMode);
    gallery_->setIconSize(kThumbnail);
    for (const QString& file : files_)
        gallery_->addItem(new QListWidgetItem(Thumbnail(file), QString()));
    if (!files_.isEmpty())
        gallery_->setCurrentRow(std::clamp(lastChosen, 0, int(files_.size()) - 1));
    connect(gallery_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* form = new QFormLayout;
    std::vector<TMillimetreRow> rows{{QStringLiteral("線の太さ(&F)"), 1, 200}};
    for (const TMillimetreRow& row : EndPointRows())
        rows.push_back(row);
    const auto fields = AddMillimetreRows(*form, this, rows);
    lineWidth_ = fields[0];
    startX_ = fields[1];
    startY_ = fields[2];
    endX_ = fields[3];
    endY_ = fields[4];
    flags_->Create(this, *form, false);
    for (QDoubleSpinBox* spin : {lineWidth_, startX_, startY_, endX_, endY_})
        spin->setEnabled(!newLine);

    SetUnits(*lineWidth_, std::max(source.LineWidth(), 1));
    SetUnits(*startX_, source.StartX());
    SetUnits(*startY_, source.StartY());
    SetUnits(*endX_, source.EndX());
    SetUnits(*endY_, source.EndY());
    flags_->Read(source);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gallery_, 1);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(*this));
    resize(420, 480);
}

TfrmDecoLineProperty::~TfrmDecoLineProperty()
{
    if (result() == QDialog::Accepted && gallery_->currentRow() >= 0)
        lastChosen = gallery_->currentRow();
}

void TfrmDecoLineProperty::WriteBack(TLODecoLine& target) const
{
    TUpdateBracket bracket(target.Notifier());
    const int row = gallery_->currentRow();
    if (row >= 0 && row < files_.size())
        target.Image()->LoadFromFile(files_.at(row));
    if (newLine_) {
        target.FitToImage();
    } else {
        target.SetLineWidth(UnitsOf(*lineWidth_));
        target.SetStartPoint({UnitsOf(*startX_), UnitsOf(*startY_)});
        target.SetEndPoint({UnitsOf(*endX_), UnitsOf(*endY_)});
    }
    flags_->Write(target);
}
