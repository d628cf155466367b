#pragma once
// Designers decide, per object interface, which handles an object shows, which ghost a
// press on a handle starts, how new objects are made and how properties are edited. They
// are asked from the last registered to the first; the first that handles a request wins.
#include <QString>
#include <memory>
#include <vector>

class TDrawObject;
class TEditSite;

// What a designer did with a request to edit an object's properties. A designer that takes
// the object ends the search even when the user cancels, so that a designer registered
// earlier for a base class never opens its dialog on top.
enum class TEditOutcome { NotMine, Cancelled, Confirmed };

class TDODesigner {
public:
    virtual ~TDODesigner() = default;
    virtual bool CreatePivots(TEditSite&, TDrawObject&) { return false; }
    // Handle index -1 moves the whole object.
    virtual bool AddGhost(TEditSite&, TDrawObject&, int) { return false; }
    // A new object being placed by a drag; the ghost takes it when the designer handles it.
    virtual bool AddCreateGhost(TEditSite&, std::unique_ptr<TDrawObject>&) { return false; }
    // Creates an object of a named class on the site (text or pictures from the clipboard).
    virtual bool CreateObject(TEditSite&, const QString&) { return false; }
    virtual TEditOutcome Edit(TDrawObject&) { return TEditOutcome::NotMine; }
};

class TDODesignerList {
public:
    void Add(std::unique_ptr<TDODesigner> designer) { designers_.push_back(std::move(designer)); }
    int Count() const { return static_cast<int>(designers_.size()); }

    bool CreatePivots(TEditSite& site, TDrawObject& object);
    bool AddGhost(TEditSite& site, TDrawObject& object, int handleIndex);
    bool AddCreateGhost(TEditSite& site, std::unique_ptr<TDrawObject>& object);
    bool CreateObject(TEditSite& site, const QString& className);
    // The outcome of the first designer that takes the object; NotMine when none does.
    TEditOutcome Edit(TDrawObject& object);

private:
    template <class Ask>
    bool FirstHandled(Ask ask);

    std::vector<std::unique_ptr<TDODesigner>> designers_;
};
