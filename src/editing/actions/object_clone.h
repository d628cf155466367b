#pragma once
// Copies of draw objects made through the component stream: every stored property is
// carried, nothing else is shared with the original.
#include <memory>

class TDrawObject;

// A new object of the same class with the same stored properties; not on any site.
std::unique_ptr<TDrawObject> CloneObject(const TDrawObject& object);
