#pragma once
// A copy of a draw object as grouping, ungrouping and group assignment make it: a new
// object of the same class, assigned from the original, on no site.
#include <memory>

class TDrawObject;

// Fails with the stream's unknown-class message when the class cannot be created by name.
std::unique_ptr<TDrawObject> CopyDrawObject(const TDrawObject& object);
