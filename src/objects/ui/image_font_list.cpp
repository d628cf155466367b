#include "objects/ui/image_font_list.h"

#include "core/canvas/canvas.h"
#include "objects/deco/image_font.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const QString kSample = QStringLiteral("Lumarest!");
constexpr int kMargin = 2;

// Paints an entry as its font's sample over the usual item background.
class TImageFontSampleDelegate : public QStyledItemDelegate {
public:
    TImageFontSampleDelegate(TImageFontStore& store, QObject* parent) : QStyledItemDelegate(parent), store_(store) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        TImageFont font;
        font.SetStore(&store_);
        font.SetFontNo(index.data(Qt::UserRole).toInt());
        font.SetHeight(option.rect.height() - 2 * kMargin);
        if (font.Height() <= 0)
            return;
        painter->save();
        painter->setClipRect(option.rect);
        painter->translate(option.rect.topLeft() + QPoint(kMargin, kMargin));
        {
            TCanvas canvas(painter);
            font.DrawText(canvas, 0, 0, kSample);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TImageFontList::kItemHeight};
    }

private:
    TImageFontStore& store_;
};

} // namespace

TImageFontList::TImageFontList(TImageFontStore& store, const QString& folder, QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new TImageFontSampleDelegate(store, this));
    setUniformItemSizes(true);
    for (const auto& [number, path] : TImageFontStore::FontFolders(folder)) {
        auto* item = new QListWidgetItem(this);
        item->setData(Qt::UserRole, number);
        item->setData(Qt::ToolTipRole, QString::number(number));
    }
}

int TImageFontList::FontNo() const
{
    const QListWidgetItem* item = currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void TImageFontList::SetFontNo(int fontNo)
{
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(Qt::UserRole).toInt() == fontNo) {
            setCurrentRow(row);
            return;
        }
    setCurrentRow(-1);
}
