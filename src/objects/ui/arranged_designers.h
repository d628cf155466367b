#pragma once
// The designer of arranged images: editing one opens "複数イメージファイルの選択", and OK
// writes the new arrangement back as one undoable change "設定変更".
class TDODesignerList;

void RegisterArrangedImageDesigners(TDODesignerList& designers);
