#pragma once
// The designer of decorative strings: their property dialog on a double click and on
// creation, written back as one undoable change "設定変更".
class TDODesignerList;

// Registers TDODecoStringEditor; its dialog offers the fonts of the image-font folder.
void RegisterDecoStringDesigner(TDODesignerList& designers);
