#pragma once
// The current sheet of the document: the paper with its faces, fitted into the widget; a
// click chooses a face.
#include "core/model/draw_site_model.h"

#include <QWidget>

class TLabelData;
class TLOFace;

class TSheetView : public QWidget {
    Q_OBJECT
public:
    explicit TSheetView(QWidget* parent = nullptr);

    // Shows the document's current sheet (nullptr: nothing).
    void SetDocument(TLabelData* document);
    // The chosen face, or -1.
    int SelectedFace() const;
    void SelectFace(int face);
    // The face under a point of the widget, or -1.
    int FaceAt(QPoint widgetPoint) const;

Q_SIGNALS:
    void FaceChosen(int face);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Fit();
    QPoint SiteOrigin() const;

    TLabelData* document_ = nullptr;
    TDrawSiteModel site_;
};
