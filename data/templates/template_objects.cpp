#include "template_objects.h"

#include "core/error.h"
#include "core/persistent/string_list.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image.h"
#include "objects/codes/qr_std.h"
#include "objects/dates/date_format.h"
#include "objects/dates/date_object.h"
#include "objects/pictures/wizard_image.h"
#include "objects/shapes/rect_shape.h"
#include "text/char_layout.h"
#include "text/object/shade_text.h"
#include "text/point_based_font.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace {

// The date a template's date field shows in its preview; opening the template replaces it
// with the document's date its update rule names.
const QDateTime kSampleDate(QDate(2026, 4, 1), QTime(10, 0));

[[noreturn]] void Fail(const QString& what)
{
    throw EAppError(what);
}

QString Text(const QJsonObject& source, const char* key)
{
    const QJsonValue value = source[QLatin1String(key)];
    if (!value.isString() || value.toString().isEmpty())
        Fail(QStringLiteral("\"%1\" needs a text").arg(QLatin1String(key)));
    return value.toString();
}

QStringList Lines(const QJsonValue& value)
{
    QStringList lines;
    for (const QJsonValue& line : value.toArray())
        lines << line.toString();
    if (lines.isEmpty())
        Fail(QStringLiteral("a text needs its lines"));
    return lines;
}

TColor ColorOf(const QJsonValue& value)
{
    const QColor colour(value.toString());
    if (!value.isString() || !colour.isValid())
        Fail(QStringLiteral("\"%1\" is no colour").arg(value.toString()));
    return colour.blue() << 16 | colour.green() << 8 | colour.red();
}

int IntegerIn(const QJsonValue& value, int low, int high, int fallback)
{
    if (value.isUndefined())
        return fallback;
    const int number = value.toInt(low - 1);
    if (!value.isDouble() || number < low || number > high)
        Fail(QStringLiteral("a number must lie in %1 ... %2").arg(low).arg(high));
    return number;
}

// A value of one of the program's enumerations, named as streams name it.
int Enumerated(const TTypeInfo& type, const QJsonValue& value, int fallback)
{
    if (value.isUndefined())
        return fallback;
    const std::optional<std::int64_t> found = type.ValueOf(value.toString().toLatin1());
    if (!found)
        Fail(QStringLiteral("\"%1\" is no %2").arg(value.toString(), QLatin1String(type.Name)));
    return static_cast<int>(*found);
}

TRect RectOf(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        Fail(QStringLiteral("a rectangle needs four numbers"));
    const TRect rect{a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()};
    if (rect.IsEmpty())
        Fail(QStringLiteral("a rectangle must not be empty"));
    return rect;
}

// A colour, or a gradient of several.
void SetFill(TColorSpec& spec, const QJsonValue& value)
{
    if (value.isString()) {
        spec.SetKind(cskSolid);
        spec.SetColor(ColorOf(value));
        return;
    }
    const QJsonObject gradient = value.toObject();
    std::vector<TColor> colours;
    for (const QJsonValue& colour : gradient[QLatin1String("colors")].toArray())
        colours.push_back(ColorOf(colour));
    if (colours.size() < 2)
        Fail(QStringLiteral("a gradient needs two colours or more"));
    spec.SetKind(cskGradation);
    spec.GradColors()->SetColors(colours);
    spec.SetGradKind(static_cast<rgGradationKind>(Enumerated(GradationKindType, gradient[QLatin1String("kind")], rgkSimple)));
    spec.SetGradAngle(IntegerIn(gradient[QLatin1String("angle")], 0, 359, 0));
}

// A picture of the data folder; its data goes into the document with the object.
void LoadPicture(TPictureEx& picture, const QJsonObject& source, const TTemplateContext& context)
{
    const QString path = QDir(context.DataFolder).filePath(Text(source, "file").replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (!QFileInfo(path).isFile())
        Fail(QStringLiteral("%1 does not exist").arg(path));
    picture.LoadFromFile(path);
}

std::unique_ptr<TDrawObject> Shape(const QJsonObject& source, bool circle)
{
    std::unique_ptr<TLORect> shape = circle ? std::make_unique<TLOCircle>() : std::make_unique<TLORect>();
    shape->SetBoundsRect(RectOf(source[QLatin1String("rect")]));
    const TColor colour = ColorOf(source[QLatin1String("color")]);
    if (source[QLatin1String("fill")].toBool()) {
        shape->SetFillInside(true);
        shape->FillColorSpec()->SetColor(colour);
        shape->SetFrameWidth(0);
    } else {
        shape->FrameColorSpec()->SetColor(colour);
        shape->SetFrameWidth(IntegerIn(source[QLatin1String("frame")], 1, 500, 10));
    }
    return shape;
}

std::unique_ptr<TDrawObject> Background(const QJsonObject& source, const TTemplateContext& context)
{
    auto background = std::make_unique<TLOBackImage>();
    SetFill(*background->FillColor(), source[QLatin1String("fill")]);
    if (source.contains(QLatin1String("wash"))) {
        const QJsonObject wash = source[QLatin1String("wash")].toObject();
        LoadPicture(*background->BlendPicture(), wash, context);
        background->BlendColor()->SetColor(ColorOf(wash[QLatin1String("color")]));
        background->SetBlendRatio(IntegerIn(wash[QLatin1String("ratio")], 1, 100, 50));
    }
    background->SetFace(context.Face, context.FaceWidth, context.FaceHeight);
    if (background->IsBlankBackground())
        Fail(QStringLiteral("a blank background is never stored"));
    return background;
}

std::unique_ptr<TDrawObject> Picture(const QJsonObject& source, const TTemplateContext& context)
{
    auto image = std::make_unique<TLOWizardImage>();
    TImageData& data = *image->ImageData();
    LoadPicture(*data.Picture(), source, context);
    data.ResetClip();
    if (source.contains(QLatin1String("transparent")))
        data.SetTransparentColor(ColorOf(source[QLatin1String("transparent")]));
    image->SetBoundsRect(RectOf(source[QLatin1String("rect")]));
    return image;
}

int AlignOf(const QJsonValue& value)
{
    static const std::pair<const char*, TTextAlign> names[] = {
        {"left", taLeft}, {"center", taCenter}, {"right", taRight}, {"even", taEven}};
    if (value.isUndefined())
        return taLeft;
    for (const auto& [name, align] : names)
        if (value.toString() == QLatin1String(name))
            return align;
    Fail(QStringLiteral("\"%1\" is no alignment").arg(value.toString()));
}

// What text and date fields share: rectangle, font, colour, alignment, outline and shadow.
void SetTextStyle(TLOTextBase& text, const QJsonObject& source)
{
    // Turning a text vertical turns its rectangle: the direction comes before the rectangle.
    text.SetVertical(source[QLatin1String("vertical")].toBool());
    text.SetBoundsRect(RectOf(source[QLatin1String("rect")]));
    TPointBasedFont& font = *text.TextFont();
    font.SetName(Text(source, "font"));
    font.SetSize(IntegerIn(source[QLatin1String("size")], 4, 200, 12));
    font.SetStyle(source[QLatin1String("bold")].toBool() ? FontStyleBit(fsBold) : 0);
    text.TextColor()->SetColor(ColorOf(source[QLatin1String("color")]));
    text.SetAlign(AlignOf(source[QLatin1String("align")]));
    if (source.contains(QLatin1String("outline"))) {
        const QJsonObject outline = source[QLatin1String("outline")].toObject();
        text.SetOutline(true);
        text.OutlineColor()->SetColor(ColorOf(outline[QLatin1String("color")]));
        text.SetOutLineWidth(IntegerIn(outline[QLatin1String("width")], 1, 100, 4));
    }
    if (source.contains(QLatin1String("shadow"))) {
        const QJsonObject shadow = source[QLatin1String("shadow")].toObject();
        text.SetShadow(IntegerIn(shadow[QLatin1String("preset")], 1, kShadowPresetCount - 1, 8));
        text.ShadowColor()->SetColor(ColorOf(shadow[QLatin1String("color")]));
    }
}

std::unique_ptr<TDrawObject> TextField(const QJsonObject& source)
{
    auto text = std::make_unique<TLOText>();
    SetTextStyle(*text, source);
    text->Text()->SetLines(Lines(source[QLatin1String("lines")]));
    text->SetShadeShadowEnable(source[QLatin1String("shadow")][QLatin1String("soft")].toBool());
    return text;
}

std::unique_ptr<TDrawObject> DateField(const QJsonObject& source)
{
    auto date = std::make_unique<TLODate>();
    SetTextStyle(*date, source);
    const QString format = Text(source, "format");
    if (!OfferedDateFormats().contains(format))
        Fail(QStringLiteral("\"%1\" is not a date format of the date dialog").arg(format));
    date->SetFormat(format);
    date->SetDate(kSampleDate);
    date->SetUpdateFlagValue(Enumerated(DateUpdateFlagType, source[QLatin1String("update")], 0));
    return date;
}

std::unique_ptr<TDrawObject> QRCode(const QJsonObject& source)
{
    auto code = std::make_unique<TLOQRStd>();
    code->SetBoundsRect(RectOf(source[QLatin1String("rect")]));
    code->SetQRType(static_cast<TStdQRType>(Enumerated(StdQRTypeType, source[QLatin1String("phones")], sqtDoCoMo)));
    if (source.contains(QLatin1String("url"))) {
        code->SetQRKind(sqkURL);
        code->SetQRUrl(Text(source, "url"));
        code->SetQRUrlTitle(source[QLatin1String("title")].toString());
    } else {
        code->SetQRKind(sqkTEXT);
        code->QRText()->SetLines(Lines(source[QLatin1String("text")]));
    }
    if (code->Payload().isEmpty())
        Fail(QStringLiteral("a QR code without a payload"));
    return code;
}

} // namespace

std::unique_ptr<TDrawObject> TemplateObject(const QJsonObject& source, const TTemplateContext& context)
{
    const QString kind = source[QLatin1String("kind")].toString();
    if (kind == QLatin1String("rect") || kind == QLatin1String("circle"))
        return Shape(source, kind == QLatin1String("circle"));
    if (kind == QLatin1String("background"))
        return Background(source, context);
    if (kind == QLatin1String("picture"))
        return Picture(source, context);
    if (kind == QLatin1String("text"))
        return TextField(source);
    if (kind == QLatin1String("date"))
        return DateField(source);
    if (kind == QLatin1String("qr"))
        return QRCode(source);
    Fail(QStringLiteral("unknown object kind \"%1\"").arg(kind));
}
