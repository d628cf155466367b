#pragma once
// Objects that hold other draw objects (groups), and the one walk over a list of objects
// that also reaches the members of every container in it, at any depth.
#include <functional>
#include <vector>

class TDrawObject;

// A draw object whose members are draw objects of their own (back-most first).
class IObjectContainer {
public:
    virtual std::vector<TDrawObject*> Members() const = 0;

protected:
    ~IObjectContainer() = default;
};

// Visits every object of the list in order and, depth first, the members of each
// container right after the container itself.
void ForEachObjectDeep(const std::vector<TDrawObject*>& objects, const std::function<void(TDrawObject&)>& visit);
