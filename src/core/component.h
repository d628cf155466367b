#pragma once
// Components: persistent objects with a name and a free integer tag that can own child
// components in a stream (a draw site its objects, a face's object list its objects).
#include "core/persistent.h"

#include <QString>
#include <functional>

class TComponent : public TPersistent {
    LR_CLASS(TComponent, TPersistent)
public:
    TComponent() = default;

    QString Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The child components written after this component's properties, in stream order.
    virtual void GetChildren(const std::function<void(TComponent& child)>& proc) const;

private:
    QString name_;
    int tag_ = 0;
};
