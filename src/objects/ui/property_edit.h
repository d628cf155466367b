#pragma once
// Writing a property dialog's values back into an object as one undoable change.
#include <functional>

class TDrawObject;

// Runs the write-back; on an editing site it is recorded as the undoable change "設定変更",
// and a failing write-back puts the object back as it was.
void ApplyPropertyEdit(TDrawObject& object, const std::function<void()>& writeBack);
