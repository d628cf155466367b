#pragma once
// The designer of arranged images. One without a composition yet (a new one) opens
// "複数イメージファイルの選択"; a composed one opens the picture dialog "複数イメージの設定",
// whose "複数イメージの選択..." reopens the selection on the dialog's copy. OK writes the
// result back as one undoable change "設定変更"; Cancel changes nothing.
class TDODesignerList;

void RegisterArrangedImageDesigners(TDODesignerList& designers);
