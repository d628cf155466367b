#pragma once
// Writing a property dialog's values back into an object as one undoable change.
#include "editing/designers/designer_list.h"

#include <QApplication>
#include <QDialog>
#include <functional>
#include <utility>

class TDrawObject;

// Runs the write-back; on an editing site it is recorded as the undoable change "設定変更",
// and a failing write-back puts the object back as it was.
void ApplyPropertyEdit(TDrawObject& object, const std::function<void()>& writeBack);

// Opens the dialog (constructed from the object, the further arguments and the active
// window) on an object of its class and, when confirmed, writes it back through
// ApplyPropertyEdit with the dialog's WriteBack. NotMine for an object of another class.
template <class Object, class Dialog, class... Args>
TEditOutcome EditWithDialog(TDrawObject& object, Args&&... args)
{
    auto* target = dynamic_cast<Object*>(&object);
    if (!target)
        return TEditOutcome::NotMine;
    Dialog dialog(*target, std::forward<Args>(args)..., QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return TEditOutcome::Cancelled;
    ApplyPropertyEdit(object, [&] { dialog.WriteBack(*target); });
    return TEditOutcome::Confirmed;
}
