#pragma once
// TDrawSite: the editing surface as one widget over the editing site controller. Objects
// are painted into a cached back buffer that is rebuilt only when their content changes;
// handles and ghosts are painted over it on every paint. Mouse and key events become the
// controller's presses, moves and releases at logical points.
#include "editing/site/edit_site.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QMimeData;

class TEditContext;

class TDrawSite : public QWidget {
    Q_OBJECT
public:
    explicit TDrawSite(TEditContext& context, QWidget* parent = nullptr);
    ~TDrawSite() override;

    TEditSite& Site() { return site_; }
    // Zoom in percent; the widget takes the size of the area at that zoom.
    void SetScale(int scale);
    int Scale() const { return site_.Scaler().Scale(); }
    // Fits the area into a size (both directions).
    void FitInto(QSize size);
    void SetLogSize(int width, int height);
    // Paints the objects again (the overlay or the objects changed outside a gesture).
    void RedrawContent() { ContentChanged(); }
    // The logical point under a widget point.
    QPoint LogicalAt(QPoint widgetPoint) const;
    // The widget point of a logical point.
    QPoint WidgetPointOf(QPoint logical) const;

    // What a drop onto the site does: true when the data was taken (files, pictures). The
    // test tells whether the data would be taken, for the drag's feedback.
    using DropTest = std::function<bool(const QMimeData& data)>;
    using DropHandler = std::function<bool(const QMimeData& data, QPoint logical)>;
    void SetDropHandler(DropTest accepts, DropHandler drop);

Q_SIGNALS:
    void ModifiedChanged(bool modified);
    // A gesture or a key press changed the objects or the selection.
    void Edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ContentChanged();
    void Resized();
    void RenderBuffer();
    void PaintPivots(QPainter& painter);
    void PaintGhosts(QPainter& painter);
    void UpdateCursor(QPoint widgetPoint);
    void AutoScroll(QPoint widgetPoint);
    void KeyChanged(QKeyEvent* event, bool pressed);
    // Arrow keys move the selection by one pixel at the zoom (ten with Shift).
    bool Nudge(QKeyEvent* event);

    TEditSite site_;
    QImage buffer_;
    bool bufferDirty_ = true;
    DropTest dropTest_;
    DropHandler dropHandler_;
};
