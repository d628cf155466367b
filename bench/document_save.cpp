// A document of 50 sheets with 10 designed faces each: opening it, changing one face and
// saving it, against writing the same number of bytes to a file and flushing it; and
// opening it and reading every sheet and every face's objects, against reading the file's
// bytes. Both baselines are our own raw I/O: the cost of the document over it.
#include "catalogue/paper/free_paper_info.h"
#include "core/canvas/canvas.h"
#include "core/model/rect_object.h"
#include "core/stream/class_registry.h"
#include "document/label_data.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

class TBenchBox : public TLORectBase {
    LR_CLASS(TBenchBox, TLORectBase)
public:
    TBenchBox() = default;
    void Paint(TCanvas& canvas) override { canvas.Painter().fillRect(BoundsRect().ToQRect(), Qt::darkBlue); }
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas&) override {}
};

} // namespace

LR_DEFINE_CLASS(TBenchBox, TLORectBase, LR_CREATABLE(TBenchBox))

namespace {

constexpr int kSheets = 50;
constexpr int kFaces = 10;
constexpr int kObjectsPerFace = 20;

std::unique_ptr<TFreePaperInfo> TenFaces()
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(2100);
    paper->SetHeight(2970);
    paper->SetPaperName(QStringLiteral("ベンチ用紙"));
    for (int i = 0; i < kFaces; ++i) {
        TFaceItem* item = paper->Faces()->AddFace();
        item->SetLeft(100 + (i % 2) * 1000);
        item->SetTop(100 + (i / 2) * 560);
        item->SetWidth(900);
        item->SetHeight(500);
    }
    return paper;
}

std::vector<std::unique_ptr<TDrawObject>> Objects(int seed)
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    for (int i = 0; i < kObjectsPerFace; ++i) {
        auto box = std::make_unique<TBenchBox>();
        box->SetBoundsRect({(seed * 7 + i * 37) % 800, (i * 23) % 400, (seed * 7 + i * 37) % 800 + 60, (i * 23) % 400 + 40});
        box->SetHint(QStringLiteral("見出し %1-%2").arg(seed).arg(i));
        objects.push_back(std::move(box));
    }
    return objects;
}

std::vector<TDrawObject*> Raw(const std::vector<std::unique_ptr<TDrawObject>>& objects)
{
    std::vector<TDrawObject*> raw;
    for (const auto& object : objects)
        raw.push_back(object.get());
    return raw;
}

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bench.cld"));
    qint64 bytes = 0;

    Fixture()
    {
        RegisterDocumentClasses();
        RegisterClass(TBenchBox::StaticClassInfo());
        TLabelData document;
        const auto paper = TenFaces();
        document.SetPaper(*paper);
        for (int sheet = 0; sheet < kSheets; ++sheet) {
            if (sheet > 0)
                document.NewSheet();
            for (int face = 0; face < kFaces; ++face)
                document.SaveObjects(face, Raw(Objects(sheet * kFaces + face)));
        }
        document.SaveToFile(path);
        bytes = QFileInfo(path).size();
    }
};

Fixture& SharedFixture()
{
    static Fixture fixture;
    return fixture;
}

void OpenModifySave(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    int round = 0;
    for (auto _ : state) {
        TLabelData document;
        document.LoadFromFile(fixture.path);
        document.SetCurrentSheet(round % kSheets);
        document.SaveObjects(round % kFaces, Raw(Objects(round)));
        document.SaveToFile(fixture.path);
        ++round;
    }
    state.counters["bytes"] = static_cast<double>(fixture.bytes);
}

void WriteAndFlush(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    const QByteArray bytes(fixture.bytes, 'x');
    const QString path = fixture.dir.filePath(QStringLiteral("raw.bin"));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.flush();
        fsync(file.handle());
    }
    state.counters["bytes"] = static_cast<double>(fixture.bytes);
}

void OpenReadEverything(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    std::size_t objects = 0;
    for (auto _ : state) {
        TLabelData document;
        document.LoadFromFile(fixture.path);
        for (int sheet = 0; sheet < document.SheetCount(); ++sheet) {
            document.SetCurrentSheet(sheet);
            for (int face = 0; face < kFaces; ++face)
                objects += document.LoadObjects(face).size();
        }
    }
    benchmark::DoNotOptimize(objects);
    state.counters["bytes"] = static_cast<double>(fixture.bytes);
}

void ReadBytes(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    for (auto _ : state) {
        QFile file(fixture.path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["bytes"] = static_cast<double>(fixture.bytes);
}

} // namespace

BENCHMARK(OpenModifySave)->Name("document_open_modify_save/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteAndFlush)->Name("document_open_modify_save/baseline")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenReadEverything)->Name("document_open_read_all/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadBytes)->Name("document_open_read_all/baseline")->Unit(benchmark::kMillisecond)->UseRealTime();
