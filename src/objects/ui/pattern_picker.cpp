#include "objects/ui/pattern_picker.h"

#include "core/error.h"
#include "text/distortion/cdd_file.h"
#include "text/distortion/coons_distortion.h"
#include "text/distortion/pattern_strip.h"

#include <QImage>

namespace {

const QString kUnreadable = QStringLiteral("変形パターンのファイルを読み込めません。\n%1");

} // namespace

TPatternPicker::TPatternPicker(const QString& patternFile, const QString& stripFile, QWidget* parent)
    : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(kPatternCellSize);
    setGridSize(kPatternCellSize + QSize(8, 8));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMinimumWidth(kPatternCellsPerRow * (kPatternCellSize.width() + 8) + 24);
    try {
        file_ = std::make_unique<TCDDFile>(patternFile);
        AddThumbnails(stripFile);
    } catch (const std::exception& error) {
        file_.reset();
        clear();
        error_ = kUnreadable.arg(::ErrorText(error));
    }
}

TPatternPicker::~TPatternPicker() = default;

void TPatternPicker::AddThumbnails(const QString& stripFile)
{
    const int count = file_->Count();
    if (count <= 0)
        return;
    QImage strip(stripFile);
    if (strip.isNull() || !strip.rect().contains(PatternCellRect(count - 1))) {
        // Without a fitting strip the cells are drawn from the patterns themselves.
        std::vector<std::unique_ptr<TCoonsDistortion>> patterns;
        std::vector<const TCoonsDistortion*> raw;
        for (int i = 0; i < count; ++i) {
            patterns.push_back(std::make_unique<TCoonsDistortion>());
            file_->LoadPattern(i, *patterns.back());
            raw.push_back(patterns.back().get());
        }
        strip = RenderPatternStrip(raw);
    }
    for (int i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(strip.copy(PatternCellRect(i)))), QString(), this);
        item->setToolTip(QStringLiteral("パターン %1").arg(i + 1));
    }
}

void TPatternPicker::SelectPatternOf(const TCoonsDistortion& distortion)
{
    const int index = file_ ? file_->PatternIndexOf(distortion) : -1;
    if (index >= 0 && index < count())
        setCurrentRow(index);
    else
        clearSelection();
}

bool TPatternPicker::LoadSelected(TCoonsDistortion& distortion)
{
    const QList<QListWidgetItem*> chosen = selectedItems();
    if (!file_ || chosen.isEmpty())
        return false;
    try {
        file_->LoadPattern(row(chosen.first()), distortion);
        return true;
    } catch (const std::exception& error) {
        error_ = kUnreadable.arg(::ErrorText(error));
        return false;
    }
}
