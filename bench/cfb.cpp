// Compound files: 2,000 streams of 8 KiB in 50 storages are written, read back after
// reopening, and half of them deleted; ours through the storage layer, the peer through
// libgsf. Libgsf cannot change a file in place, so deleting there means writing the file
// anew without the deleted streams: our in-place delete is set against that whole-file
// rewrite as a baseline, not as a peer doing the same work.
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <gsf/gsf.h>
#include <vector>

namespace {

constexpr int kStorages = 50;
constexpr int kStreamsPerStorage = 40;
constexpr int kStreamBytes = 8192;

const std::vector<char>& StreamData()
{
    static const std::vector<char> data = [] {
        std::vector<char> bytes(kStreamBytes);
        for (int i = 0; i < kStreamBytes; ++i)
            bytes[i] = static_cast<char>(i * 31 + 7);
        return bytes;
    }();
    return data;
}

QString StorageName(int s)
{
    return QStringLiteral("Storage%1").arg(s);
}

QString StreamName(int t)
{
    return QStringLiteral("Stream%1").arg(t);
}

bool IsDeleted(int t)
{
    return t % 2 == 0;
}

// ---- ours

void WriteOurs(const QString& path)
{
    TFileStorage root(path, fmCreate);
    for (int s = 0; s < kStorages; ++s) {
        TDocStorage storage(root, true, StorageName(s));
        for (int t = 0; t < kStreamsPerStorage; ++t)
            TDocStream(storage, fmCreate, StreamName(t)).Write(StreamData().data(), kStreamBytes);
    }
}

std::int64_t ReadOurs(const QString& path)
{
    std::int64_t total = 0;
    std::vector<char> buffer(kStreamBytes);
    TFileStorage root(path, fmOpenRead | fmShareDenyWrite);
    QStringList storages;
    root.ListStorages(storages);
    for (const QString& name : storages) {
        TDocStorage storage(root, false, name);
        QStringList streams;
        storage.ListStreams(streams);
        for (const QString& stream : streams)
            total += TDocStream(storage, fmOpenRead, stream).Read(buffer.data(), static_cast<qint64>(buffer.size()));
    }
    return total;
}

void DeleteHalfOurs(const QString& path)
{
    TFileStorage root(path, fmOpenReadWrite);
    for (int s = 0; s < kStorages; ++s) {
        TDocStorage storage(root, false, StorageName(s));
        for (int t = 0; t < kStreamsPerStorage; ++t) {
            if (IsDeleted(t))
                storage.DeleteElement(StreamName(t));
        }
    }
}

// ---- libgsf

void WriteGsf(const QString& path)
{
    GsfOutput* output = gsf_output_stdio_new(QFile::encodeName(path).constData(), nullptr);
    GsfOutfile* file = gsf_outfile_msole_new(output);
    for (int s = 0; s < kStorages; ++s) {
        GsfOutput* storage = gsf_outfile_new_child(file, StorageName(s).toUtf8().constData(), TRUE);
        for (int t = 0; t < kStreamsPerStorage; ++t) {
            GsfOutput* stream = gsf_outfile_new_child(GSF_OUTFILE(storage), StreamName(t).toUtf8().constData(), FALSE);
            gsf_output_write(stream, kStreamBytes, reinterpret_cast<const guint8*>(StreamData().data()));
            gsf_output_close(stream);
            g_object_unref(stream);
        }
        gsf_output_close(storage);
        g_object_unref(storage);
    }
    gsf_output_close(GSF_OUTPUT(file));
    g_object_unref(file);
    g_object_unref(output);
}

// Calls visit(storage index, stream index, stream) for every stream of the file.
template <typename Visit>
void ForEachGsfStream(const QString& path, Visit visit)
{
    GsfInput* input = gsf_input_stdio_new(QFile::encodeName(path).constData(), nullptr);
    GsfInfile* file = gsf_infile_msole_new(input, nullptr);
    for (int s = 0; s < gsf_infile_num_children(file); ++s) {
        GsfInput* storage = gsf_infile_child_by_index(file, s);
        for (int t = 0; t < gsf_infile_num_children(GSF_INFILE(storage)); ++t) {
            GsfInput* stream = gsf_infile_child_by_index(GSF_INFILE(storage), t);
            visit(storage, stream);
            g_object_unref(stream);
        }
        g_object_unref(storage);
    }
    g_object_unref(file);
    g_object_unref(input);
}

std::int64_t ReadGsf(const QString& path)
{
    std::int64_t total = 0;
    std::vector<guint8> buffer(kStreamBytes);
    ForEachGsfStream(path, [&](GsfInput*, GsfInput* stream) {
        const gsf_off_t size = gsf_input_size(stream);
        if (gsf_input_read(stream, static_cast<size_t>(size), buffer.data()))
            total += size;
    });
    return total;
}

void DeleteHalfGsf(const QString& path)
{
    const QString rewritten = path + QStringLiteral(".new");
    GsfOutput* output = gsf_output_stdio_new(QFile::encodeName(rewritten).constData(), nullptr);
    GsfOutfile* file = gsf_outfile_msole_new(output);
    std::vector<guint8> buffer(kStreamBytes);
    GsfInput* currentSource = nullptr;
    GsfOutput* currentStorage = nullptr;
    ForEachGsfStream(path, [&](GsfInput* storage, GsfInput* stream) {
        if (storage != currentSource) {
            if (currentStorage) {
                gsf_output_close(currentStorage);
                g_object_unref(currentStorage);
            }
            currentSource = storage;
            currentStorage = gsf_outfile_new_child(file, gsf_input_name(storage), TRUE);
        }
        if (IsDeleted(QString::fromUtf8(gsf_input_name(stream)).mid(6).toInt()))
            return;
        const gsf_off_t size = gsf_input_size(stream);
        gsf_input_read(stream, static_cast<size_t>(size), buffer.data());
        GsfOutput* copy = gsf_outfile_new_child(GSF_OUTFILE(currentStorage), gsf_input_name(stream), FALSE);
        gsf_output_write(copy, static_cast<size_t>(size), buffer.data());
        gsf_output_close(copy);
        g_object_unref(copy);
    });
    if (currentStorage) {
        gsf_output_close(currentStorage);
        g_object_unref(currentStorage);
    }
    gsf_output_close(GSF_OUTPUT(file));
    g_object_unref(file);
    g_object_unref(output);
    QFile::remove(path);
    QFile::rename(rewritten, path);
}

// ---- the kernels

template <void (*Write)(const QString&)>
void BM_Write(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.cfb"));
    for (auto _ : state)
        Write(path);
}

template <void (*Write)(const QString&), std::int64_t (*Read)(const QString&)>
void BM_Read(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.cfb"));
    Write(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(Read(path));
}

template <void (*Write)(const QString&), void (*DeleteHalf)(const QString&)>
void BM_DeleteHalf(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString original = folder.filePath(QStringLiteral("original.cfb"));
    const QString path = folder.filePath(QStringLiteral("bench.cfb"));
    Write(original);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        QFile::copy(original, path);
        state.ResumeTiming();
        DeleteHalf(path);
    }
}

template <void (*Write)(const QString&), std::int64_t (*Read)(const QString&), void (*DeleteHalf)(const QString&)>
void BM_Cycle(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.cfb"));
    for (auto _ : state) {
        Write(path);
        benchmark::DoNotOptimize(Read(path));
        DeleteHalf(path);
    }
}

} // namespace

BENCHMARK(BM_Write<WriteOurs>)->Name("cfb_write_2000x8k/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write<WriteGsf>)->Name("cfb_write_2000x8k/peer")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read<WriteOurs, ReadOurs>)->Name("cfb_reopen_read_all/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read<WriteGsf, ReadGsf>)->Name("cfb_reopen_read_all/peer")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteHalf<WriteOurs, DeleteHalfOurs>)->Name("cfb_delete_half/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteHalf<WriteGsf, DeleteHalfGsf>)->Name("cfb_delete_half/baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cycle<WriteOurs, ReadOurs, DeleteHalfOurs>)
    ->Name("cfb_write_read_delete/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cycle<WriteGsf, ReadGsf, DeleteHalfGsf>)
    ->Name("cfb_write_read_delete/peer")
    ->Unit(benchmark::kMillisecond);
