#pragma once
// Components: persistent objects with a name and a free integer tag that can own child
// components in a stream (a draw site its objects, a face's object list its objects).
#include "core/persistent/persistent.h"

#include <QString>
#include <functional>
#include <memory>

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
    // Takes a child component read from a stream. The default refuses children: a stream
    // that gives this component children is not one of ours.
    virtual void InsertStreamedChild(std::unique_ptr<TComponent> child);

    // True while the component is being read from a stream.
    bool IsLoading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }
    // Called once the whole stream has been read, so that the component can settle
    // derived state.
    virtual void Loaded() { loading_ = false; }

private:
    QString name_;
    int tag_ = 0;
    bool loading_ = false;
};
