#pragma once
// Classes that streams may create by name, and the creation of label objects by class
// name for object lists, which also maps the class names of earlier versions onto the
// current classes.
#include <QByteArray>
#include <memory>

class TClassInfo;
class TComponent;

// Makes a class creatable by its name from any stream.
void RegisterClass(const TClassInfo& info);
// The registered class of that name (case-insensitive), or nullptr.
const TClassInfo* FindClass(const QByteArray& name);

// A new component of the registered class of that name, or nullptr when there is none
// (or it is not a creatable component).
std::unique_ptr<TComponent> CreateRegisteredComponent(const QByteArray& className);

// The current class name for a class name found in an object list.
QByteArray CurrentObjectClassName(const QByteArray& className);
// A new label object for a class name found in an object list, or nullptr.
std::unique_ptr<TComponent> CreateObjectByClassName(const QByteArray& className);
