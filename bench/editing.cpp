// Editing 1,000 objects on a face: one drag frame of all of them, undo and redo of the
// whole drag, and the repaint of a 1,600 x 1,000 view at 400 %; against QGraphicsScene
// moving and painting 1,000 rectangle items and QUndoStack undoing and redoing a macro
// of 1,000 move commands.
#include "core/canvas/canvas.h"
#include "core/model/rect_object.h"
#include "core/stream/class_registry.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QUndoStack>
#include <benchmark/benchmark.h>

namespace {

class TBenchRect : public TLORectBase {
    LR_CLASS(TBenchRect, TLORectBase)
public:
    void Paint(TCanvas& canvas) override { canvas.Painter().fillRect(BoundsRect().ToQRect(), QColor(40, 80, 160)); }
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas& canvas) override { canvas.Painter().drawRect(BoundsRect().ToQRect()); }
};

} // namespace

LR_DEFINE_CLASS(TBenchRect, TLORectBase, LR_CREATABLE(TBenchRect))

namespace {

constexpr int kObjects = 1000;
constexpr int kFaceWidth = 1200;
constexpr int kFaceHeight = 1200;
const QSize kView(1600, 1000);

QRect ObjectRect(int i)
{
    return QRect((i * 37) % (kFaceWidth - 60), (i * 53) % (kFaceHeight - 40), 60, 40);
}

// A face with 1,000 rectangles, all selected, one logical unit per pixel at 100 %.
struct TBenchSite {
    TBenchSite()
    {
        RegisterClass(TBenchRect::StaticClassInfo());
        site.SetDeviceResolution(254);
        site.Scaler().SetUnitDPI(254);
        site.SetLogSize(kFaceWidth, kFaceHeight);
        for (int i = 0; i < kObjects; ++i) {
            auto rect = std::make_unique<TBenchRect>();
            rect->SetBoundsRect(TRect::FromQRect(ObjectRect(i)));
            site.AddObject(std::move(rect));
        }
        site.SelectAll(true);
    }
    TEditContext context;
    TEditSite site{context};
};

struct TPeerScene {
    TPeerScene()
    {
        scene.setSceneRect(0, 0, kFaceWidth, kFaceHeight);
        for (int i = 0; i < kObjects; ++i) {
            auto* item = scene.addRect(QRectF(ObjectRect(i)), Qt::NoPen, QColor(40, 80, 160));
            items.push_back(item);
        }
    }
    QGraphicsScene scene;
    std::vector<QGraphicsRectItem*> items;
};

void DragFrame(benchmark::State& state)
{
    TBenchSite bench;
    bench.site.Press(Qt::LeftButton, {30, 20}, 0);
    int step = 0;
    for (auto _ : state) {
        ++step;
        bench.site.MoveTo({30 + step % 50, 20 + step % 30}, 0);
    }
    bench.site.Cancel();
}

void DragFramePeer(benchmark::State& state)
{
    TPeerScene peer;
    int step = 0;
    QPointF last(0, 0);
    for (auto _ : state) {
        ++step;
        const QPointF to(step % 50, step % 30);
        for (QGraphicsRectItem* item : peer.items)
            item->moveBy(to.x() - last.x(), to.y() - last.y());
        last = to;
    }
}

void UndoRedo(benchmark::State& state)
{
    TBenchSite bench;
    bench.site.Press(Qt::LeftButton, {30, 20}, 0);
    bench.site.MoveTo({60, 50}, 0);
    bench.site.Release(Qt::LeftButton, {60, 50}, 0);
    TActionList& actions = bench.context.Actions();
    actions.SetRepeatAllowed(false);
    for (auto _ : state) {
        actions.Undo();
        actions.Redo();
    }
}

class TMoveCommand : public QUndoCommand {
public:
    TMoveCommand(QGraphicsItem* item, QPointF by) : item_(item), by_(by) {}
    void undo() override { item_->moveBy(-by_.x(), -by_.y()); }
    void redo() override { item_->moveBy(by_.x(), by_.y()); }

private:
    QGraphicsItem* item_;
    QPointF by_;
};

void UndoRedoPeer(benchmark::State& state)
{
    TPeerScene peer;
    QUndoStack stack;
    stack.beginMacro(QStringLiteral("移動"));
    for (QGraphicsRectItem* item : peer.items)
        stack.push(new TMoveCommand(item, {30, 30}));
    stack.endMacro();
    for (auto _ : state) {
        stack.undo();
        stack.redo();
    }
}

void Repaint(benchmark::State& state)
{
    TBenchSite bench;
    bench.site.Scaler().SetScale(400);
    QImage view(kView, QImage::Format_RGB32);
    for (auto _ : state) {
        view.fill(Qt::white);
        TCanvas canvas(&view);
        canvas.SetClipRegion(QRegion(QRect(QPoint(0, 0), kView)));
        bench.site.Paint(canvas);
        benchmark::DoNotOptimize(view.constBits());
    }
}

void RepaintPeer(benchmark::State& state)
{
    TPeerScene peer;
    QImage view(kView, QImage::Format_RGB32);
    // The same part of the face at 400 %: the top-left 400 x 250 units.
    const QRectF source(0, 0, kView.width() / 4.0, kView.height() / 4.0);
    for (auto _ : state) {
        view.fill(Qt::white);
        QPainter painter(&view);
        peer.scene.render(&painter, QRectF(QPointF(0, 0), kView), source);
        benchmark::DoNotOptimize(view.constBits());
    }
}

} // namespace

BENCHMARK(DragFrame)->Name("edit_drag_frame/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(DragFramePeer)->Name("edit_drag_frame/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoRedo)->Name("edit_undo_redo/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoRedoPeer)->Name("edit_undo_redo/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(Repaint)->Name("edit_repaint_400/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintPeer)->Name("edit_repaint_400/peer")->Unit(benchmark::kMillisecond);
