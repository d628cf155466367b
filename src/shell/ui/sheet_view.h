#pragma once
// The current sheet of the document: the paper overview with its faces; a click chooses
// the face to edit.
#include "editing/ui/paper_site.h"

class TLabelData;

class TSheetView : public TPaperSite {
    Q_OBJECT
public:
    explicit TSheetView(QWidget* parent = nullptr);

    // Shows the document's current sheet (nullptr: nothing) with its current face chosen.
    void SetDocument(TLabelData* document);
    // The chosen face, or -1.
    int SelectedFace() const { return CurrentFace(); }

Q_SIGNALS:
    void FaceChosen(int face);
};
