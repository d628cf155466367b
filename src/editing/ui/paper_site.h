#pragma once
// TPaperSite: a whole paper with its faces, fitted and centred in the widget, for picking
// the face to edit. It is an overview, not an editor: a press picks a face (toggles it
// when several may be chosen) and the release reports the click. Face regions are made
// once per paper, so that probing a point is cheap.
#include "core/model/draw_site_model.h"
#include "core/persistent/color_type.h"

#include <QRegion>
#include <QWidget>
#include <vector>

class TPaperInfo;

class TPaperSite : public QWidget {
    Q_OBJECT
public:
    explicit TPaperSite(QWidget* parent = nullptr);

    // Shows a paper (nullptr: nothing); the faces are rebuilt and none is selected.
    void SetPaper(const TPaperInfo* paper);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    bool DrawInfo() const { return drawInfo_; }
    void SetDrawInfo(bool drawInfo);
    TColor FaceColor() const { return faceColor_; }
    void SetFaceColor(TColor color);
    // The class of the face objects (TLOFace or a descendant); the faces are rebuilt.
    void SetFaceClass(const TClassInfo& faceClass);

    int FaceCount() const;
    // The first selected face, or -1.
    int CurrentFace() const;
    bool IsFaceSelected(int face) const;
    void SelectFace(int face);
    // Sets one face's selection, leaving the others (on a multi-select site).
    void SetFaceSelected(int face, bool selected);
    // The face under a point of the widget, or -1.
    int FaceAt(QPoint widgetPoint) const;
    // The zoom of the overview in percent.
    int Scale() const { return site_.Scaler().Scale(); }

Q_SIGNALS:
    // A press chose or toggled a face; sent on the release.
    void FaceClicked(int face);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RebuildFaces();
    void Fit();
    QPoint SiteOrigin() const;

    const TPaperInfo* paper_ = nullptr;
    TDrawSiteModel site_;
    // Per face: its region in logical units and the region's bounds.
    std::vector<std::pair<QRegion, QRect>> regions_;
    const TClassInfo* faceClass_;
    bool multiSelect_ = false;
    bool drawInfo_ = true;
    TColor faceColor_ = 0xAFE7FF; // light cream
    int clickedFace_ = -1;
};
