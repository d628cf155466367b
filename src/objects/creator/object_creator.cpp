#include "objects/creator/object_creator.h"

#include "core/model/designer_registry.h"
#include "core/model/document_facts.h"
#include "core/model/draw_site_model.h"
#include "core/model/object_interfaces.h"
#include "core/stream/class_registry.h"
#include "graphics/color/color_fill.h"
#include "objects/backgrounds/back_image.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/codes/qr_std.h"
#include "objects/dates/date_object.h"
#include "objects/pictures/image_object.h"
#include "text/object/text_object.h"

#include <QDateTime>

namespace {

constexpr TColor kNewShadowColor = 0x808080;
constexpr TColor kNewBackgroundColor = 0xFFFFFF;

bool Is(const QString& className, const char* name)
{
    return className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The image source that a picture command gives its new object, or -1 for other names.
int ImageSourceOf(const QString& className)
{
    if (Is(className, "TLOImage") || Is(className, "TLOArrangedImage"))
        return isFile;
    if (Is(className, "TLOOnePoint"))
        return isOnePoint;
    if (Is(className, "TLOTwain"))
        return isTwain;
    return -1;
}

} // namespace

std::unique_ptr<TDrawObject> TLOCreator::CreateByClassName(const QString& className)
{
    if (Is(className, "TLOBackImage")) {
        TLOBackImage2004 editing;
        return editing.CurrentKind();
    }
    std::unique_ptr<TComponent> component = CreateObjectByClassName(className.toLatin1());
    auto* object = dynamic_cast<TDrawObject*>(component.get());
    if (!object)
        return nullptr;
    component.release();
    return std::unique_ptr<TDrawObject>(object);
}

TCreationKind TLOCreator::KindOf(const QString& className)
{
    static const char* const kWithDialog[] = {"TLOJANCode", "TLODecoLine",      "TLODecoString", "TLOAlphaMask",
                                              "TLOImage",   "TLOOnePoint",      "TLOTwain",      "TLOText",
                                              "TLODate",    "TLOArrangedImage", "TLOBackImage",  "TLOQRStd"};
    for (const char* name : kWithDialog)
        if (Is(className, name))
            return {true, false};
    if (IsClipboardPaste(className))
        return {false, false};
    // Lines, arcs, rectangles and circles, and any other class: sized by a drag.
    return {false, true};
}

bool TLOCreator::IsClipboardPaste(const QString& className)
{
    for (const char* name : {"TLOImagePaste", "TLOBitmapPaste", "TLOMetafilePaste", "TLOTextPaste", "TLOOLEPaste"})
        if (Is(className, name))
            return true;
    return false;
}

std::unique_ptr<TDrawObject> TLOCreator::CreateWithDefaults(const QString& className, const TDrawSiteModel& site)
{
    std::unique_ptr<TDrawObject> object = CreateByClassName(className);
    if (!object)
        return nullptr;
    const int source = ImageSourceOf(className);
    if (auto* image = dynamic_cast<TLOImage*>(object.get()); image && source >= 0)
        image->SetImageSource(static_cast<TImageSource>(source));
    if (auto* text = dynamic_cast<TLOTextBase*>(object.get())) {
        text->SetAutoSize(true);
        text->ShadowColor()->SetColor(kNewShadowColor);
    }
    if (auto* date = dynamic_cast<TLODate*>(object.get()))
        date->SetDate(QDateTime::currentDateTime());
    if (auto* background = dynamic_cast<TLOBackImage*>(object.get())) {
        background->FillColor()->SetColor(kNewBackgroundColor);
        background->SetBoundsRect(TRect(0, 0, site.LogWidth(), site.LogHeight()));
        background->SetSelectable(false);
    }
    if (auto* code = dynamic_cast<TLOQRStd*>(object.get()))
        code->SetPayload({});
    return object;
}

bool TLOCreator::EditNew(TDrawObject& object)
{
    IDesignerRegistry* registry = DesignerRegistry();
    return registry && registry->Edit(object);
}
