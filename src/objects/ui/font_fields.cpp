#include "objects/ui/font_fields.h"

#include "text/point_based_font.h"

#include <QComboBox>
#include <QFontDatabase>

namespace {
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 36, 48, 72};
} // namespace

QComboBox* FontNameBox(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(QFontDatabase::families());
    box->setCurrentText(name);
    return box;
}

QComboBox* FontSizeBox(QWidget* parent, int size)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    for (const int points : kSizes)
        box->addItem(QString::number(points));
    box->setCurrentText(QString::number(size));
    return box;
}

void ApplyFontFields(TPointBasedFont& font, const QComboBox* name, const QComboBox* size, int fallbackSize)
{
    const QString family = name->currentText().trimmed();
    if (!family.isEmpty() && family != font.Name()) {
        font.SetName(family);
        const bool japanese = QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
        // A face the system lacks keeps the character set it had.
        if (QFontDatabase::hasFamily(family))
            font.SetCharset(japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET);
    }
    bool ok = false;
    const int points = size->currentText().trimmed().toInt(&ok);
    font.SetSize(ok && points > 0 ? points : fallbackSize);
}
