// Writes the shipped picture collections into a data folder:
// "picture_assets DATA_FOLDER". Shade figures go to "Shade" (the shade list "Shade.dat", the
// identifier list "Shade.ids" and the pictures in "Shade/Basic"), frames to "Frame" (the
// list "Frame.dat" in the same format, "Frame.ids", the pictures in "Frame/Normal" and
// "Frame/Alpha"). Both lists are read back through the program's readers and must list
// every picture.
#include "../generator_main.h"
#include "artwork.h"
#include "assets/ids/image_id_list.h"
#include "core/error.h"
#include "graphics/picture/bmp_writer.h"
#include "objects/pictures/shade_list.h"
#include "platform/replace_file.h"
#include "platform/shift_jis.h"

#include <QDir>
#include <QFile>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    SaveReplacingFile(path, [&](const QString& temporaryPath) {
        QFile file(temporaryPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw EAppError(QStringLiteral("%1: cannot be written").arg(path));
    });
}

void WriteBitmap(const QString& path, const QImage& image)
{
    WriteBytes(path, WriteBmp(image.convertToFormat(QImage::Format_BGR888), TPixelFormat::pf24bit));
}

void WriteText(const QString& path, const QString& text)
{
    const std::optional<QByteArray> bytes = EncodeShiftJIS(text);
    if (!bytes)
        throw EAppError(QStringLiteral("%1: text without Shift-JIS form").arg(path));
    WriteBytes(path, *bytes);
}

struct TGenreOut {
    QString Name;
    QString Folder; // relative to the data folder, "\" separated
    QStringList Entries; // "preview,sharp[,soft]"
    QStringList Ids;     // "NAME=ID"
};

QString ListText(const std::vector<TGenreOut>& genres)
{
    QString text;
    for (const TGenreOut& genre : genres) {
        text += QStringLiteral("[%1]\r\nFolder=%2\r\n").arg(genre.Name, genre.Folder);
        for (int i = 0; i < genre.Entries.size(); ++i)
            text += QStringLiteral("File%1=%2\r\n").arg(i + 1).arg(genre.Entries[i]);
    }
    return text;
}

QString IdsText(const std::vector<TGenreOut>& genres)
{
    QString text;
    for (const TGenreOut& genre : genres)
        text += QStringLiteral("[%1]\r\n%2\r\n").arg(genre.Folder, genre.Ids.join(QStringLiteral("\r\n")));
    return text;
}

// The list read back must name existing pictures, each with its identifier.
void Check(const QString& dataFolder, const QString& list, const QString& ids, const std::vector<TGenreOut>& written)
{
    qputenv("LUMAREST_DATA_DIR", dataFolder.toLocal8Bit());
    const auto genres = LoadShadeList(list);
    TImageIDList idList(ids);
    if (genres.size() != written.size())
        throw EAppError(QStringLiteral("%1: %2 genres read back").arg(list).arg(genres.size()));
    for (std::size_t g = 0; g < genres.size(); ++g) {
        if (genres[g].Name != written[g].Name || int(genres[g].Entries.size()) != written[g].Entries.size())
            throw EAppError(QStringLiteral("%1: genre %2 does not read back").arg(list, written[g].Name));
        for (const TShadeEntry& entry : genres[g].Entries)
            for (const bool soft : {false, true}) {
                const QString path = ShadePicturePath(genres[g], entry, soft);
                if (!QFileInfo::exists(path) || idList.IdOfFile(path).isEmpty())
                    throw EAppError(QStringLiteral("%1: %2 missing or without identifier").arg(list, path));
            }
    }
}

void BuildShades(const QString& dataFolder)
{
    TGenreOut basic{QStringLiteral("基本図形"), QStringLiteral("Shade\\Basic"), {}, {}};
    int number = 1;
    for (const TArtwork& shape : ShadeShapes()) {
        const QString folder = dataFolder + QStringLiteral("/Shade/Basic/");
        WriteBitmap(folder + shape.Name + QStringLiteral("_P.bmp"), Preview(shape.Image));
        WriteBitmap(folder + shape.Name + QStringLiteral("_S.bmp"), shape.Image);
        WriteBitmap(folder + shape.Name + QStringLiteral("_F.bmp"), SoftEdged(shape.Image));
        basic.Entries << QStringLiteral("%1_P.bmp,%1_S.bmp,%1_F.bmp").arg(shape.Name);
        for (const char* suffix : {"_P", "_S", "_F"})
            basic.Ids << QStringLiteral("%1%2=SH%3").arg(shape.Name, QLatin1String(suffix)).arg(number, 2, 10, QLatin1Char('0'));
        ++number;
    }
    const std::vector<TGenreOut> genres{basic};
    const QString list = dataFolder + QStringLiteral("/Shade/Shade.dat");
    const QString ids = dataFolder + QStringLiteral("/Shade/Shade.ids");
    WriteText(list, ListText(genres));
    WriteText(ids, IdsText(genres));
    Check(dataFolder, list, ids, genres);
}

void BuildFrames(const QString& dataFolder)
{
    TGenreOut normal{QStringLiteral("フレーム"), QStringLiteral("Frame\\Normal"), {}, {}};
    TGenreOut alpha{QStringLiteral("アルファフレーム"), QStringLiteral("Frame\\Alpha"), {}, {}};
    int number = 1;
    for (auto [genre, frames, sub] : {std::tuple{&normal, OverlayFrames(), QStringLiteral("Normal")},
                                      std::tuple{&alpha, AlphaFrames(), QStringLiteral("Alpha")}}) {
        for (const TArtwork& frame : frames) {
            const QString folder = dataFolder + QStringLiteral("/Frame/") + sub + QLatin1Char('/');
            WriteBitmap(folder + frame.Name + QStringLiteral("_P.bmp"), Preview(frame.Image));
            WriteBitmap(folder + frame.Name + QStringLiteral(".bmp"), frame.Image);
            genre->Entries << QStringLiteral("%1_P.bmp,%1.bmp").arg(frame.Name);
            const QString id = QStringLiteral("FR%1").arg(number++, 2, 10, QLatin1Char('0'));
            genre->Ids << QStringLiteral("%1_P=%2").arg(frame.Name, id) << QStringLiteral("%1=%2").arg(frame.Name, id);
        }
    }
    const std::vector<TGenreOut> genres{normal, alpha};
    const QString list = dataFolder + QStringLiteral("/Frame/Frame.dat");
    const QString ids = dataFolder + QStringLiteral("/Frame/Frame.ids");
    WriteText(list, ListText(genres));
    WriteText(ids, IdsText(genres));
    Check(dataFolder, list, ids, genres);
}

} // namespace

int main(int argc, char** argv)
{
    return RunDataGenerator(argc, argv, "picture_assets", [](const QString& folder) {
        BuildShades(folder);
        BuildFrames(folder);
    });
}
