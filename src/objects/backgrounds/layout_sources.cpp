#include "objects/backgrounds/layout_sources.h"

#include "core/canvas/units.h"
#include "core/error.h"
#include "core/frame/ini_text.h"
#include "catalogue/paper/paper_info.h"
#include "document/label_data.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/pictures/image_object.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

QImage PreviewOf(const TLOImage& image)
{
    if (image.ImageData()->Empty())
        return {};
    const TGraphic* graphic = image.ImageData()->ProcessedPicture().Graphic();
    if (!graphic || graphic->Empty())
        return {};
    return graphic->ToImage().convertToFormat(QImage::Format_BGR888);
}

// The distance of an edge from the face's edge in thousandths of the face's extent, rounded
// half away from zero; nothing outside the slots' range.
std::optional<int> Thousandths(int edge, int faceEdge, int extent)
{
    const long double value = (static_cast<long double>(edge) - faceEdge) * 1000 / extent;
    if (value < kMinSlotThousandths || value > kMaxSlotThousandths)
        return std::nullopt;
    return RoundHalfAway(value);
}

} // namespace

TFixedLayout LayoutFromDocument(TLabelData& document, const QString& name)
{
    TFixedLayout layout;
    layout.Name = name;
    if (!document.Paper() || document.Paper()->FaceCount() <= 0)
        return layout;
    const TRect face = document.FaceArea(0);
    const int width = RectWidth(face), height = RectHeight(face);
    if (width <= 0 || height <= 0)
        return layout;
    for (const auto& object : document.LoadObjects(0)) {
        const auto* image = dynamic_cast<const TLOImage*>(object.get());
        if (!image)
            continue;
        // A picture far off the face makes no slot.
        const TRect r = NormalizeRect(image->BoundsRect());
        const std::optional<int> left = Thousandths(r.Left, face.Left, width), top = Thousandths(r.Top, face.Top, height);
        const std::optional<int> right = Thousandths(r.Right, face.Left, width);
        const std::optional<int> bottom = Thousandths(r.Bottom, face.Top, height);
        if (!left || !top || !right || !bottom)
            continue;
        layout.Slots.push_back({QRect(*left, *top, *right - *left, *bottom - *top), image->Angle()});
        if (layout.Preview.isNull())
            layout.Preview = PreviewOf(*image);
    }
    return layout;
}

std::vector<TFixedLayout> LoadLayoutSources(const QString& sourcePath)
{
    const TIniText ini = TIniText::Load(sourcePath);
    const QDir folder = QFileInfo(sourcePath).dir();
    std::vector<TFixedLayout> layouts;
    for (const TIniText::Section& section : ini.Sections()) {
        const QString* file = IniValue(section, QStringLiteral("File"));
        if (!file || file->trimmed().isEmpty())
            continue;
        const QString path = folder.filePath(QDir::fromNativeSeparators(QString(*file).replace(QLatin1Char('\\'), QLatin1Char('/'))));
        if (!QFileInfo(path).isFile())
            continue;
        try {
            TLabelData document;
            document.LoadFromFile(path);
            TFixedLayout layout = LayoutFromDocument(document, section.Name);
            if (!layout.Slots.empty())
                layouts.push_back(std::move(layout));
        } catch (const EAppError&) {
            // A damaged document defines no layout; the others still count.
        }
    }
    return layouts;
}
