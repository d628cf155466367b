#pragma once
// Collections: ordered lists of items of one class, streamed as a collection value and
// copied item by item.
#include "core/persistent/persistent.h"

#include <memory>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
    LR_CLASS(TCollectionItem, TPersistent)
public:
    TCollectionItem() = default;

    TCollection* Collection() const { return collection_; }
    int Index() const;
    TPersistent* GetOwner() const override;
    // Copies the published properties of an item of the same class.
    void Assign(const TPersistent& source) override;

protected:
    // Reports a change of the item to its collection.
    void Changed();

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
    LR_CLASS(TCollection, TPersistent)
public:
    // A collection of items created from the item class (which must be creatable).
    explicit TCollection(const TClassInfo& itemClass, TPersistent* owner = nullptr);
    ~TCollection() override;

    const TClassInfo& ItemClass() const { return itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Item(int index) const { return items_.at(index).get(); }
    template <class T>
    T* ItemAs(int index) const { return static_cast<T*>(Item(index)); }
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    void Move(int from, int to);

    // Replaces the items by copies of the source's items.
    void Assign(const TPersistent& source) override;
    TPersistent* GetOwner() const override { return owner_; }

    // Called after the items or an item changed.
    void SetOnChange(std::function<void(TCollection*)> onChange) { onChange_ = std::move(onChange); }
    void Changed();

private:
    const TClassInfo& itemClass_;
    TPersistent* owner_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    std::function<void(TCollection*)> onChange_;
};
