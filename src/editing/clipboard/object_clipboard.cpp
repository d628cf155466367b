#include "editing/clipboard/object_clipboard.h"

#include "core/canvas/canvas.h"
#include "core/canvas/scaler.h"
#include "core/frame/macro_string.h"
#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"
#include "core/persistent/string_list.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/object_list.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QMimeData>
#include <algorithm>

namespace {

constexpr const char* kPngType = "image/png";
// Largest side of the picture put on the clipboard, so that a huge face stays bounded.
constexpr int kMaxPictureSide = 8192;

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString TextOf(const TDrawObject& object)
{
    const TClassInfo& info = object.ClassInfo();
    // Text objects publish their lines as a string list under "Text"; other objects may
    // publish a list under "Lines" or a plain "Text" string.
    for (const char* name : {"Text", "Lines"}) {
        const TPropInfo* lines = info.FindProperty(name);
        if (!lines || lines->Kind != TPropKind::Class || !lines->Get)
            continue;
        const TPropValue value = lines->Get(object);
        const TPersistent* sub = nullptr;
        if (const auto* p = std::get_if<TPersistent*>(&value))
            sub = *p;
        else if (const auto* c = std::get_if<const TPersistent*>(&value))
            sub = *c;
        if (const auto* list = dynamic_cast<const TStringList*>(sub))
            return list->Lines().join(QLatin1Char('\n'));
    }
    if (const TPropInfo* text = info.FindProperty("Text");
        text && (text->Kind == TPropKind::String || text->Kind == TPropKind::WString) && text->Get) {
        const TPropValue value = text->Get(object);
        if (const auto* s = std::get_if<QString>(&value))
            return *s;
    }
    return {};
}

} // namespace

QString ObjectClipboardFormat()
{
    QString name = Expand(QStringLiteral("$(AppName)"));
    // Without the program's macros (a tool or test outside the application) the
    // application's own name stands in.
    if (name.contains(QLatin1String("$(")))
        name = QCoreApplication::applicationName();
    name = name.toLower();
    name.removeIf([](QChar c) { return !(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('-'); });
    return QStringLiteral("application/x-%1-objects").arg(name.isEmpty() ? QStringLiteral("app") : name);
}

QImage ObjectsPicture(const TDrawSiteModel& site, const std::vector<TDrawObject*>& objects)
{
    if (objects.empty())
        return {};
    TRect bounds = objects.front()->GetBounds();
    for (const TDrawObject* object : objects)
        bounds = UnionRect(bounds, object->GetBounds());
    const TScaler scaler(100, site.Scaler().UnitDPI());
    const int dpi = site.DeviceResolution();
    const TRect device = scaler.LogToDevRect(dpi, bounds);
    const QSize size(std::clamp(RectWidth(device), 1, kMaxPictureSide), std::clamp(RectHeight(device), 1, kMaxPictureSide));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::transparent);
    {
        TCanvas canvas(&image);
        canvas.SetViewportOrg({-device.Left, -device.Top});
        scaler.ApplyMapping(canvas, dpi);
        // Back-most first, as the site paints them.
        for (auto it = objects.rbegin(); it != objects.rend(); ++it)
            (*it)->PaintTo(canvas);
    }
    return image;
}

QString ObjectsText(const std::vector<TDrawObject*>& objects)
{
    QStringList texts;
    for (const TDrawObject* object : objects)
        if (const QString text = TextOf(*object); !text.isEmpty())
            texts << text;
    return texts.join(QLatin1Char('\n'));
}

void CopyObjectsToClipboard(IClipboard& clipboard, const TDrawSiteModel& site, const std::vector<TDrawObject*>& objects)
{
    if (objects.empty())
        return;
    auto data = std::make_unique<QMimeData>();
    data->setData(ObjectClipboardFormat(), ObjectListBytes(objects));
    const QImage picture = ObjectsPicture(site, objects);
    if (!picture.isNull())
        data->setData(QString::fromLatin1(kPngType), PngBytes(picture));
    if (const QString text = ObjectsText(objects); !text.isEmpty())
        data->setText(text);
    clipboard.SetMimeData(std::move(data));
}

std::vector<std::unique_ptr<TDrawObject>> PasteObjectsFromClipboard(const IClipboard& clipboard)
{
    const QMimeData* data = clipboard.MimeData();
    if (!data || !data->hasFormat(ObjectClipboardFormat()))
        return {};
    return ReadObjectListBytes(data->data(ObjectClipboardFormat()));
}

bool IsPictureFormat(const QString& format)
{
    return format == QLatin1String("application/x-qt-image") || QImageReader::supportedMimeTypes().contains(format.toLatin1());
}

bool HasPicture(const QMimeData& data)
{
    const QStringList formats = data.formats();
    return data.hasImage() || std::any_of(formats.begin(), formats.end(), IsPictureFormat);
}

QImage PastedPicture(const QMimeData& data)
{
    QImage image;
    if (data.hasFormat(QString::fromLatin1(kPngType)))
        image = QImage::fromData(data.data(QString::fromLatin1(kPngType)), "PNG");
    if (image.isNull()) {
        for (const QByteArray& type : QImageReader::supportedMimeTypes()) {
            if (data.hasFormat(QString::fromLatin1(type))) {
                image = QImage::fromData(data.data(QString::fromLatin1(type)));
                if (!image.isNull())
                    break;
            }
        }
    }
    if (image.isNull() && data.hasImage())
        image = qvariant_cast<QImage>(data.imageData());
    if (!image.isNull() && image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_ARGB32);
    return image;
}

bool CanPaste(const IClipboard& clipboard)
{
    const QMimeData* data = clipboard.MimeData();
    return data && (data->hasFormat(ObjectClipboardFormat()) || data->hasText() || HasPicture(*data));
}
