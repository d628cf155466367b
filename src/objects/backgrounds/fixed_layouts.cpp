#include "objects/backgrounds/fixed_layouts.h"

#include "core/error.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/raster/resample.h"
#include "core/frame/ini_text.h"
#include "platform/replace_file.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

// More slots than any layout could show are taken for a damaged file.
constexpr int kMaxSlots = 1000;

QString CountKey()
{
    return QStringLiteral("Count");
}

TLayoutSlot ReadSlot(const TIniText::Section& section, int i)
{
    const QString* position = IniValue(section, QStringLiteral("Position%1").arg(i));
    const QStringList parts = position ? position->split(QLatin1Char(',')) : QStringList();
    int v[4] = {};
    bool ok = parts.size() == 4;
    for (int k = 0; ok && k < 4; ++k)
        ok = ParseIniInteger(parts[k], v[k]) && v[k] >= kMinSlotThousandths && v[k] <= kMaxSlotThousandths;
    if (!ok || v[2] < v[0] || v[3] < v[1])
        throw EAppError(QStringLiteral("レイアウト「%1」の位置%2が正しくありません").arg(section.Name).arg(i));
    TLayoutSlot slot;
    slot.Thousandths = QRect(v[0], v[1], v[2] - v[0], v[3] - v[1]);
    int angle = 0;
    if (const QString* text = IniValue(section, QStringLiteral("Angle%1").arg(i)))
        ParseIniInteger(*text, angle);
    slot.Angle = angle;
    return slot;
}

} // namespace

QString LayoutPreviewPath(const QString& setPath)
{
    const QFileInfo info(setPath);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".cbm");
}

std::vector<TFixedLayout> LoadFixedLayouts(const QString& setPath)
{
    const TIniText ini = TIniText::Load(setPath);
    std::vector<TFixedLayout> layouts;
    for (const TIniText::Section& section : ini.Sections()) {
        int count = 0;
        const QString* text = IniValue(section, CountKey());
        if (!text || !ParseIniInteger(*text, count) || count <= 0 || count > kMaxSlots)
            throw EAppError(QStringLiteral("レイアウト「%1」の枚数が正しくありません").arg(section.Name));
        TFixedLayout layout;
        layout.Name = section.Name;
        for (int i = 0; i < count; ++i)
            layout.Slots.push_back(ReadSlot(section, i));
        layouts.push_back(std::move(layout));
    }

    const QString stripPath = LayoutPreviewPath(setPath);
    if (layouts.empty() || !QFileInfo::exists(stripPath))
        return layouts;
    TPictureEx strip;
    strip.LoadFromFile(stripPath);
    const QImage pixels = strip.Graphic() ? FlattenOnWhite(strip.Graphic()->ToImage()) : QImage();
    const int slice = pixels.width() / int(layouts.size());
    if (slice <= 0)
        throw EAppError(QStringLiteral("レイアウトのプレビュー画像の幅が足りません"));
    for (int i = 0; i < int(layouts.size()); ++i)
        layouts[i].Preview = pixels.copy(i * slice, 0, slice, pixels.height());
    return layouts;
}

void SaveFixedLayouts(const QString& setPath, const std::vector<TFixedLayout>& layouts)
{
    TIniText ini;
    QSize previewSize;
    for (const TFixedLayout& layout : layouts) {
        if (layout.Slots.empty())
            throw EAppError(QStringLiteral("レイアウト「%1」の枚数が正しくありません").arg(layout.Name));
        ini.SetValue(layout.Name, CountKey(), QString::number(layout.Slots.size()));
        for (int i = 0; i < int(layout.Slots.size()); ++i) {
            const TLayoutSlot& slot = layout.Slots[i];
            const QRect& t = slot.Thousandths;
            ini.SetValue(layout.Name, QStringLiteral("Angle%1").arg(i), QString::number(slot.Angle));
            ini.SetValue(layout.Name, QStringLiteral("Position%1").arg(i),
                         QStringLiteral("%1,%2,%3,%4").arg(t.left()).arg(t.top()).arg(t.left() + t.width()).arg(t.top() + t.height()));
        }
        if (previewSize.isEmpty() && !layout.Preview.isNull())
            previewSize = layout.Preview.size();
    }
    const std::optional<QByteArray> bytes = ini.ToBytes();
    if (!bytes)
        throw EAppError(QStringLiteral("レイアウト名に保存できない文字があります"));

    QImage strip;
    if (!previewSize.isEmpty()) {
        strip = QImage(previewSize.width() * int(layouts.size()), previewSize.height(), QImage::Format_BGR888);
        strip.fill(QColor(Qt::white));
        for (int i = 0; i < int(layouts.size()); ++i) {
            if (layouts[i].Preview.isNull())
                continue;
            QImage slice(previewSize, QImage::Format_BGR888);
            Resample(slice, layouts[i].Preview.convertToFormat(QImage::Format_BGR888), TResampleFilter::Linear);
            for (int y = 0; y < previewSize.height(); ++y)
                std::memcpy(strip.scanLine(y) + 3 * i * previewSize.width(), slice.constScanLine(y), 3 * previewSize.width());
        }
    }

    SaveReplacingFile(setPath, [&bytes](const QString& temporary) {
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.flush())
            throw EAppError(QStringLiteral("ファイルの書き込みに失敗しました"));
    });
    if (!strip.isNull()) {
        TPictureEx picture;
        auto bitmap = std::make_unique<TSafetyBitmap>();
        bitmap->SetImage(strip);
        picture.SetGraphic(std::move(bitmap));
        picture.SaveToFile(LayoutPreviewPath(setPath));
    }
}
