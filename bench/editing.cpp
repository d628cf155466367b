// Editing 1,000 objects on a face: select all, the start of a drag of all of them, one
// drag frame, the commit, undo and redo of the whole drag, and the repaint of a
// 1,600 x 1,000 view at 400 %; against QGraphicsScene selecting, moving and painting
// 1,000 rectangle items and QUndoStack pushing, undoing and redoing a macro of 1,000
// move commands.
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

void SelectAll(benchmark::State& state)
{
    TBenchSite bench;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        bench.site.SelectAll(on);
    }
}

void SelectAllPeer(benchmark::State& state)
{
    TPeerScene peer;
    for (QGraphicsRectItem* item : peer.items)
        item->setFlag(QGraphicsItem::ItemIsSelectable);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        for (QGraphicsRectItem* item : peer.items)
            item->setSelected(on);
    }
}

void DragStart(benchmark::State& state)
{
    TBenchSite bench;
    for (auto _ : state) {
        bench.site.Press(Qt::LeftButton, {30, 20}, 0);
        state.PauseTiming();
        bench.site.Cancel();
        bench.site.SelectAll(true);
        state.ResumeTiming();
    }
}

// The peer's drag start: the selected items and their positions at the press.
void DragStartPeer(benchmark::State& state)
{
    TPeerScene peer;
    for (QGraphicsRectItem* item : peer.items) {
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        item->setSelected(true);
    }
    for (auto _ : state) {
        std::vector<std::pair<QGraphicsItem*, QPointF>> start;
        for (QGraphicsItem* item : peer.scene.selectedItems())
            start.emplace_back(item, item->pos());
        benchmark::DoNotOptimize(start.data());
    }
}

void Commit(benchmark::State& state)
{
    TBenchSite bench;
    bench.context.Actions().SetRepeatAllowed(false);
    for (auto _ : state) {
        state.PauseTiming();
        bench.site.Press(Qt::LeftButton, {30, 20}, 0);
        bench.site.MoveTo({40, 30}, 0);
        state.ResumeTiming();
        bench.site.Release(Qt::LeftButton, {40, 30}, 0);
        state.PauseTiming();
        bench.context.Actions().Undo();
        bench.site.SelectAll(true);
        state.ResumeTiming();
    }
}

// Undo alone, with the redo that prepares the next iteration outside the timing; and
// the other way round.
template <bool undo>
void UndoOrRedo(benchmark::State& state)
{
    TBenchSite bench;
    bench.site.Press(Qt::LeftButton, {30, 20}, 0);
    bench.site.MoveTo({60, 50}, 0);
    bench.site.Release(Qt::LeftButton, {60, 50}, 0);
    TActionList& actions = bench.context.Actions();
    actions.SetRepeatAllowed(false);
    if (!undo)
        actions.Undo();
    for (auto _ : state) {
        if (undo)
            actions.Undo();
        else
            actions.Redo();
        state.PauseTiming();
        if (undo)
            actions.Redo();
        else
            actions.Undo();
        state.ResumeTiming();
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

void PushMoves(QUndoStack& stack, const TPeerScene& peer)
{
    stack.beginMacro(QStringLiteral("移動"));
    for (QGraphicsRectItem* item : peer.items)
        stack.push(new TMoveCommand(item, {30, 30}));
    stack.endMacro();
}

void CommitPeer(benchmark::State& state)
{
    TPeerScene peer;
    QUndoStack stack;
    stack.setUndoLimit(10);
    for (auto _ : state) {
        PushMoves(stack, peer);
        state.PauseTiming();
        stack.undo();
        state.ResumeTiming();
    }
}

template <bool undo>
void UndoOrRedoPeer(benchmark::State& state)
{
    TPeerScene peer;
    QUndoStack stack;
    PushMoves(stack, peer);
    if (!undo)
        stack.undo();
    for (auto _ : state) {
        if (undo)
            stack.undo();
        else
            stack.redo();
        state.PauseTiming();
        if (undo)
            stack.redo();
        else
            stack.undo();
        state.ResumeTiming();
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

BENCHMARK(SelectAll)->Name("edit_select_all/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(SelectAllPeer)->Name("edit_select_all/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(DragStart)->Name("edit_drag_start/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(DragStartPeer)->Name("edit_drag_start/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(DragFrame)->Name("edit_drag_frame/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(DragFramePeer)->Name("edit_drag_frame/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(Commit)->Name("edit_commit/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(CommitPeer)->Name("edit_commit/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoOrRedo<true>)->Name("edit_undo/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoOrRedoPeer<true>)->Name("edit_undo/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoOrRedo<false>)->Name("edit_redo/ours")->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoOrRedoPeer<false>)->Name("edit_redo/peer")->Unit(benchmark::kMicrosecond);
BENCHMARK(Repaint)->Name("edit_repaint_400/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintPeer)->Name("edit_repaint_400/peer")->Unit(benchmark::kMillisecond);
