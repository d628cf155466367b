#include "editing/designers/paste_designer.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "core/model/placement.h"
#include "core/stream/class_registry.h"
#include "editing/actions/object_actions.h"
#include "editing/clipboard/clipboard.h"
#include "editing/clipboard/object_clipboard.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

namespace {

const QString kAddCaption = QStringLiteral("追加");

bool IsTextPaste(const QString& className)
{
    return className.compare(QLatin1String("TLOTextPaste"), Qt::CaseInsensitive) == 0;
}

bool IsPicturePaste(const QString& className)
{
    return className.compare(QLatin1String("TLOImagePaste"), Qt::CaseInsensitive) == 0
        || className.compare(QLatin1String("TLOBitmapPaste"), Qt::CaseInsensitive) == 0;
}

// Gives the new object the clipboard's content; false when the object cannot take it or
// the clipboard holds none.
bool TakeContent(TDrawObject& object, const QString& className, const QMimeData& data)
{
    if (IsTextPaste(className)) {
        auto* text = dynamic_cast<IDOPasteText*>(&object);
        if (!text || !data.hasText())
            return false;
        if (auto* autoSize = dynamic_cast<IDOAutoSize*>(&object))
            autoSize->SetAutoSize(true);
        text->SetPastedText(data.text());
        return true;
    }
    auto* picture = dynamic_cast<IDOPastePicture*>(&object);
    const QImage image = picture ? PastedPicture(data) : QImage();
    if (image.isNull())
        return false;
    picture->SetPastedPicture(image);
    return true;
}

} // namespace

bool TDOPasteDesigner::CreateObject(TEditSite& site, const QString& className)
{
    if (!IsTextPaste(className) && !IsPicturePaste(className))
        return false;
    const QMimeData* data = site.Context().Clipboard().MimeData();
    if (!data)
        return false;
    std::unique_ptr<TComponent> component = CreateObjectByClassName(className.toLatin1());
    auto* created = dynamic_cast<TDrawObject*>(component.get());
    if (!created)
        return false;
    std::unique_ptr<TDrawObject> object(created);
    component.release();
    if (!TakeContent(*object, className, *data))
        return false;
    site.AbandonGhosts();
    PlaceNewObject(*object, site);
    site.SelectAll(false);
    TDrawObject* added = site.InsertObject(std::move(object));
    auto action = std::make_unique<TDOAddAction>(*added, site);
    action->SetCaption(kAddCaption);
    site.Context().Actions().Push(std::move(action));
    return true;
}
