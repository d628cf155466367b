// Fuzzes the paper catalogue reader. The first byte chooses the input: even, the rest is
// one paper's component stream, whose faces are then measured, checked and described;
// odd, the rest is a whole paper database file, which is opened and read through (papers,
// extension records, tables, the browser model). Every failure must be an error text.
#include "catalogue/catalogue_classes.h"
#include "catalogue/database/papers_ui.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/paper_info.h"
#include "catalogue/paper/paper_json.h"
#include "catalogue/paper/purpose_validator.h"
#include "core/error.h"
#include "core/stream/component_stream.h"

#include <QCoreApplication>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

void Exercise(const TPaperInfo& paper)
{
    TFaceInfo face;
    for (int i = 0; i < paper.FaceCount(); ++i) {
        paper.GetFaceInfo(i, face);
        face.CreateRegion(nullptr, true);
    }
    paper.FirstFaceOutside();
    paper.FirstOverlappingFace();
    PaperJson(paper, {}, false);
    paper.Clone();
}

void ReadPaper(const QByteArray& bytes)
{
    std::unique_ptr<TComponent> component = ReadComponentBytes(bytes);
    if (const auto* paper = dynamic_cast<const TPaperInfo*>(component.get()))
        Exercise(*paper);
}

void ReadDatabase(const QByteArray& bytes)
{
    static const int fd = ::memfd_create("ppr", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, bytes.constData(), bytes.size(), 0) != bytes.size())
        return;
    TPapersV2 papers(path, false, true);
    papers.AttachExtensionStores();
    for (int i = 0; i < papers.Count(); ++i) {
        Exercise(papers.Paper(i));
        papers.ExtraInfo(QStringLiteral("PaperImages"), papers.Paper(i).PaperName());
    }
    for (const char* table : {"GenreInfo", "SearchExtKeyInfo", "V2ToV3PaperInfo"})
        papers.GlobalText(QString::fromLatin1(table));
    const TPapersUI ui(papers, {QStringLiteral("履歴"), QStringLiteral("その他"), QStringLiteral("ユーザー")}, 0, 1, 2, {});
    ui.Search(QStringLiteral("ラベル"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    static const TObsoletePurposeValidator validator;
    SetPurposeValidator(&validator);
    RegisterCatalogueClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    try {
        if (data[0] % 2 == 0)
            ReadPaper(bytes);
        else
            ReadDatabase(bytes);
    } catch (const EAppError&) {
    }
    return 0;
}
