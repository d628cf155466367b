#pragma once
// The editing of a face's background: the choice dialog "背景柄の設定" and the adjustment
// dialog "背景イメージの調整" take turns on one editing copy (TLOBackImage2004); OK in
// either writes the copy back as one undoable change "設定変更", Cancel leaves the
// background as it was. A background is never hit by a click, so the layout editor's
// background command calls EditBackground for the face's background object.
#include "objects/ui/background_dialog.h"

class QWidget;
class TActionList;
class TDODesignerList;
class TLOBackImage;

// true when OK was pressed (the change is recorded in actions when given). The data folder
// of the sources gives the background library, the frames and the presets.
bool EditBackground(TLOBackImage& background, TActionList* actions, const TBackgroundSources& sources,
                    QWidget* parent = nullptr);

// Registers TDOBackImageEditor, which edits backgrounds with the data folder's library,
// frames and presets and the file dialog as picture chooser, recording its changes in actions.
void RegisterBackgroundDesigner(TDODesignerList& designers, TActionList& actions);
