#pragma once
// The holder written in a face's design stream: a component without properties whose
// children are the face's objects. Written, it reports a given list (front-most first) from
// the last entry to the first, so that the stream holds the objects back-most first, and
// leaves out empty background pictures; read, it takes the objects the stream holds.
#include "core/persistent/component.h"

#include <memory>
#include <vector>

class TDrawObject;

class TLDObjects : public TComponent {
    LR_CLASS(TLDObjects, TComponent)
public:
    TLDObjects() = default;
    // A holder that writes the objects of the list (front-most first).
    explicit TLDObjects(const std::vector<TDrawObject*>& list) : list_(list) {}
    ~TLDObjects() override;

    void GetChildren(const std::function<void(TComponent& child)>& proc) const override;
    void InsertStreamedChild(std::unique_ptr<TComponent> child) override;

    // The objects read, in stream order (back-most first); the caller takes them.
    std::vector<std::unique_ptr<TDrawObject>> TakeObjects() { return std::move(read_); }

    // Whether writing the list would store no object at all.
    static bool WritesNothing(const std::vector<TDrawObject*>& list);

private:
    std::vector<TDrawObject*> list_;
    std::vector<std::unique_ptr<TDrawObject>> read_;
};
