#pragma once
// The designer registry is how the model asks the editing layer to act on an object:
// create its selection handles, add a drag ghost, open its property dialog, and create
// objects by class name for the object reader. The editing room installs the registry;
// without one, these requests do nothing.
#include <QString>

class TDrawObject;

class IDesignerRegistry {
public:
    virtual void CreatePivots(TDrawObject& object) = 0;
    virtual void AddGhost(TDrawObject& object, int handleIndex) = 0;
    // Adds a ghost that moves the whole object freely: no move options, no drag copy.
    virtual void AddSimpleMoveGhost(TDrawObject& object) = 0;
    // Opens the object's property dialog; true when a designer edited it and the user
    // confirmed the dialog.
    virtual bool Edit(TDrawObject& object) = 0;

protected:
    ~IDesignerRegistry() = default;
};

// The installed registry, or nullptr.
IDesignerRegistry* DesignerRegistry();
// Installs a registry (nullptr removes it); returns the previous one.
IDesignerRegistry* SetDesignerRegistry(IDesignerRegistry* registry);
