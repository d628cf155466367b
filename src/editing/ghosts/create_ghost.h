#pragma once
// Placing a new object by a drag: the ghost owns the object until the commit puts it on
// the site, selected, as one "追加" step. The kind of ghost (line, arc, rectangle) gives
// the drag's geometry; Place gives the object and its copy their first shape.
#include "core/model/draw_object.h"
#include "editing/ghosts/universal_ghost.h"
#include "editing/site/edit_site.h"

#include <memory>

class TEditSite;

// Places a created object on the site, selected, as one "追加" step.
void CommitCreatedObject(TEditSite& site, std::unique_ptr<TDrawObject> object, const TDrawObject& copy);

template <class Base>
class TCreateGhost : public Base {
public:
    TCreateGhost(std::unique_ptr<TDrawObject> object, int handleIndex)
        : Base(*object, handleIndex, QString()), object_(std::move(object))
    {
    }

    void Begin(QPoint start) override
    {
        this->Site().SelectAll(false);
        Base::Begin(start);
        Place(start);
    }
    void Commit(TShiftState) override
    {
        Finishing();
        if (object_)
            CommitCreatedObject(this->Site(), std::move(object_), this->Copy());
    }
    QString Caption(TShiftState) const override { return caption::Add; }
    bool Lost() const override { return false; }

protected:
    TDrawObject& Created() const { return *object_; }
    // The first shape of the new object and its copy at the start point.
    virtual void Place(QPoint start) = 0;
    // Called before the copy is written onto the new object.
    virtual void Finishing() {}

private:
    std::unique_ptr<TDrawObject> object_;
};
