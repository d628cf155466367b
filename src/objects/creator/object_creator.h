#pragma once
// TLOCreator: makes the label objects of the creation commands. An object is made by class
// name (old names mapped onto the current classes), given the defaults of its command, and
// the command's kind says how it reaches the site: through its property dialog first, by a
// drag that gives it its size, or placed at once.
#include <QString>
#include <memory>

class TDrawObject;
class TDrawSiteModel;

struct TCreationKind {
    bool Dialog = false; // the property dialog opens before the object is added
    bool Drag = false;   // a drag on the site gives the object its geometry
};

class TLOCreator {
public:
    // The object of a class name, without owner; "TLOBackImage" comes out as a plain
    // background made from the editing class. nullptr for an unregistered name.
    static std::unique_ptr<TDrawObject> CreateByClassName(const QString& className);
    // How a new object of that class name is placed.
    static TCreationKind KindOf(const QString& className);
    // The names under which clipboard content is pasted as an object; such objects are
    // placed at once and made by the paste command, not by a creation command.
    static bool IsClipboardPaste(const QString& className);
    // CreateByClassName with the defaults of the class name's creation command; the site
    // gives backgrounds and arranged images their size. Every text gets a grey shadow.
    static std::unique_ptr<TDrawObject> CreateWithDefaults(const QString& className, const TDrawSiteModel& site);
    // Opens the new object's property dialog through the designer registry: true when a
    // designer edited it and the user confirmed.
    static bool EditNew(TDrawObject& object);
};
