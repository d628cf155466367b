#pragma once
// The designers that open the property dialogs of pictures and shade figures and write the
// result back as one undoable change "設定変更".
#include <QString>

class TActionList;
class TDODesignerList;

struct TPictureDesignerOptions {
    // Whether the application's advanced mode is on (the wizard check box shows).
    bool (*AdvancedMode)() = nullptr;
};

void RegisterPictureDesigners(TDODesignerList& designers, TActionList& actions, TPictureDesignerOptions options = {});
