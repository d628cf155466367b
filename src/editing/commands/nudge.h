#pragma once
// Moving the selected objects by a fixed offset from the keyboard: one undo step
// captioned "移動" per key press; locked objects stay.
#include <QPoint>

class TEditSite;

// True when anything moved.
bool NudgeObjects(TEditSite& site, QPoint offset);
