// Writes the shipped background and arrangement collections into the data folder:
// "background_collections DATA_FOLDER". The background library ("背景集"): pictures drawn
// here as JPEG files with their previews in "BackGrnd\Image", listed in
// "BackGrnd\BackGrnd.dat" and catalogued under identifiers in "BackGrnd\BackGrnd.ids".
// Background frames are grey maps drawn here (white
// where the wash shows, black where the fill stays as it is) with their list
// "BackGrnd\BackFram.dat"; picture quality presets "Effect\Effect.dat"; fixed arrangement
// layouts as label documents listed in "Arranged\Arranged.dat", and prepared from that list
// "Arranged\Arranged.sld" with its preview strip "Arranged\Arranged.cbm". Every file
// is read back through the program's readers and must give what was written.
#include "../generator_main.h"
#include "assets/ids/image_id_list.h"
#include "library_art.h"
#include "core/error.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"
#include "objects/backgrounds/background_library.h"
#include "objects/backgrounds/effect_presets.h"
#include "objects/backgrounds/fixed_layouts.h"
#include "objects/backgrounds/frame_list.h"
#include "objects/backgrounds/layout_sources.h"
#include "objects/pictures/image_object.h"
#include "objects/pictures/picture_classes.h"
#include "catalogue/paper/free_paper_info.h"
#include "document/label_data.h"
#include "graphics/graphics_classes.h"
#include "graphics/image_data/image_data.h"
#include "core/frame/ini_text.h"
#include "platform/replace_file.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <map>

namespace {

constexpr int kFrameSide = 600;
constexpr int kPreviewSide = 100;
// Library pictures cover a 12 cm disc at 180 dots per inch.
constexpr int kLibrarySide = 850;

// One background frame: its file stem, and its grey level at a point of the unit square.
struct TFrameSource {
    const char* Stem;
    std::function<double(double x, double y)> Level;
};

double Smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

std::vector<TFrameSource> Frames()
{
    return {
        {"vignette", [](double x, double y) { return Smooth((std::hypot(x - 0.5, y - 0.5) - 0.25) / 0.25); }},
        {"corners", [](double x, double y) {
             const double d = std::min({std::hypot(x, y), std::hypot(1 - x, y), std::hypot(x, 1 - y), std::hypot(1 - x, 1 - y)});
             return 1 - Smooth(d / 0.45);
         }},
        {"bands", [](double, double y) { return Smooth((std::abs(y - 0.5) - 0.3) / 0.15); }},
        {"rays", [](double x, double y) {
             const double a = std::atan2(y - 0.5, x - 0.5);
             return 0.5 + 0.5 * std::cos(12 * a);
         }},
        {"lattice", [](double x, double y) {
             const auto line = [](double t) { return 1 - Smooth(std::abs(std::fmod(t * 8, 1.0) - 0.5) / 0.12); };
             return std::max(line(x + 1.0 / 16), line(y + 1.0 / 16));
         }},
    };
}

QImage DrawFrame(const TFrameSource& frame, int side)
{
    QImage image(side, side, QImage::Format_Grayscale8);
    for (int y = 0; y < side; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < side; ++x)
            row[x] = uchar(std::lround(255 * std::clamp(frame.Level((x + 0.5) / side, (y + 0.5) / side), 0.0, 1.0)));
    }
    return image;
}

void SavePicture(const QImage& image, TPictureEx& picture)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    picture.SetGraphic(std::move(bitmap));
}

void SavePicture(const QImage& image, const QString& path)
{
    TPictureEx picture;
    SavePicture(image, picture);
    picture.SaveToFile(path);
}

void SaveJPEG(const QImage& image, const QString& path)
{
    auto jpeg = std::make_unique<TSafetyJPEGImage>();
    jpeg->Compress(image.convertToFormat(QImage::Format_BGR888));
    TPictureEx picture;
    picture.SetGraphic(std::move(jpeg));
    picture.SaveToFile(path);
}

void SaveIni(const TIniText& ini, const QString& path)
{
    const std::optional<QByteArray> bytes = ini.ToBytes();
    if (!bytes)
        throw EAppError(QStringLiteral("%1: not Shift-JIS").arg(path));
    SaveReplacingFile(path, [&](const QString& temporary) {
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
            throw EAppError(QStringLiteral("%1: cannot be written").arg(path));
    });
}

void Check(bool condition, const QString& what)
{
    if (!condition)
        throw EAppError(what + QStringLiteral(" does not read back as written"));
}

void BuildFrames(const QDir& data)
{
    const QString folder = QStringLiteral("BackGrnd/Frame");
    data.mkpath(folder);
    TIniText list;
    const QString genre = QStringLiteral("フレーム");
    list.SetValue(genre, QStringLiteral("Folder"), QStringLiteral("BackGrnd\\Frame"));
    int n = 0;
    for (const TFrameSource& frame : Frames()) {
        const QString stem = QString::fromLatin1(frame.Stem);
        SavePicture(DrawFrame(frame, kPreviewSide), data.filePath(folder + QStringLiteral("/pv_%1.bmp").arg(stem)));
        SavePicture(DrawFrame(frame, kFrameSide), data.filePath(folder + QStringLiteral("/%1.bmp").arg(stem)));
        list.SetValue(genre, QStringLiteral("File%1").arg(++n), QStringLiteral("pv_%1.bmp,%1.bmp").arg(stem));
    }
    const QString listPath = data.filePath(QStringLiteral("BackGrnd/BackFram.dat"));
    SaveIni(list, listPath);
    const std::vector<TFrameGenre> read = LoadFrameList(listPath);
    Check(read.size() == 1 && int(read[0].Entries.size()) == n, listPath);
    for (const TFrameEntry& entry : read[0].Entries)
        Check(QFile::exists(FramePicturePath(data.path(), read[0], entry)), entry.Sharp);
}

void BuildLibrary(const QDir& data)
{
    const QString folder = QStringLiteral("BackGrnd/Image");
    data.mkpath(folder);
    TIniText list, ids;
    const QString idSection = QStringLiteral("BackGrnd\\Image");
    const std::vector<TLibraryArt> art = DrawLibraryArt(kLibrarySide);
    std::map<QString, int> counts;
    for (const TLibraryArt& picture : art) {
        const QString genre = QString::fromUtf8(picture.Genre), stem = QString::fromLatin1(picture.Stem);
        if (!list.Find(genre))
            list.SetValue(genre, QStringLiteral("Folder"), QStringLiteral("BackGrnd\\Image"));
        SaveJPEG(picture.Picture.scaled(kPreviewSide, kPreviewSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 data.filePath(folder + QStringLiteral("/pv_%1.jpg").arg(stem)));
        SaveJPEG(picture.Picture, data.filePath(folder + QStringLiteral("/%1.jpg").arg(stem)));
        list.SetValue(genre, QStringLiteral("File%1").arg(++counts[genre]),
                      QStringLiteral("pv_%1.jpg,%1.jpg,%2").arg(stem, QString::fromUtf8(picture.Title)));
        ids.SetValue(idSection, stem, QStringLiteral("BG%1").arg(ids.Keys(idSection).size() + 1, 3, 10, QLatin1Char('0')));
    }
    SaveIni(list, BackgroundLibraryPath(data.path()));
    const QString idsPath = data.filePath(QStringLiteral("BackGrnd/BackGrnd.ids"));
    SaveIni(ids, idsPath);
    const TBackgroundLibrary read = LoadBackgroundLibrary(data.path());
    Check(read.Error.isEmpty() && read.Pictures.size() == art.size(), BackgroundLibraryPath(data.path()));
    TImageIDList idList(idsPath);
    for (const TLibraryPicture& picture : read.Pictures) {
        TPictureEx check;
        check.LoadFromFile(picture.PicturePath);
        Check(check.Width() == kLibrarySide && QFile::exists(picture.PreviewPath), picture.PicturePath);
        Check(!idList.IdOfFile(picture.PicturePath).isEmpty(), idsPath);
    }
}

void BuildEffects(const QDir& data)
{
    data.mkpath(QStringLiteral("Effect"));
    struct Preset {
        const char* Section;
        const char* Title;
        int Brightness, Contrast, Focus;
        int Color;
    };
    const Preset presets[] = {
        {"Normal", "標準", 0, 0, 0, 0x1FFFFFFF},      {"Soft", "やわらか", 10, -10, 5, 0x1FFFFFFF},
        {"Sharp", "くっきり", 0, 20, -3, 0x1FFFFFFF}, {"Bright", "明るく", 25, 5, 0, 0x1FFFFFFF},
        {"Sepia", "セピア", 5, 0, 0, 0x2060A0},       {"Mono", "モノクロ", 0, 10, 0, 0x808080},
    };
    TIniText ini;
    for (const Preset& p : presets) {
        const QString section = QString::fromLatin1(p.Section);
        ini.SetValue(section, QStringLiteral("Title"), QString::fromUtf8(p.Title));
        ini.SetValue(section, QStringLiteral("Brightness"), QString::number(p.Brightness));
        ini.SetValue(section, QStringLiteral("Contrast"), QString::number(p.Contrast));
        ini.SetValue(section, QStringLiteral("Focus"), QString::number(p.Focus));
        ini.SetValue(section, QStringLiteral("Color"), QStringLiteral("$%1").arg(p.Color, 8, 16, QLatin1Char('0')).toUpper());
    }
    const QString path = data.filePath(QStringLiteral("Effect/Effect.dat"));
    SaveIni(ini, path);
    const std::vector<TEffectPreset> read = LoadEffectPresets(path);
    Check(read.size() == std::size(presets) && read[4].Color == 0x2060A0 && read[1].Focus == 5, path);
}

// A preview of a layout: its slots as grey cards on white, turned as the slots are.
QImage LayoutPreview(const std::vector<TLayoutSlot>& layoutSlots)
{
    QImage image(kPreviewSide, kPreviewSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    int shade = 0;
    for (const TLayoutSlot& slot : layoutSlots) {
        const QRectF r(slot.Thousandths.left() * kPreviewSide / 1000.0, slot.Thousandths.top() * kPreviewSide / 1000.0,
                       slot.Thousandths.width() * kPreviewSide / 1000.0, slot.Thousandths.height() * kPreviewSide / 1000.0);
        painter.save();
        painter.translate(r.center());
        painter.rotate(slot.Angle);
        painter.setBrush(QColor(150 + 20 * (shade++ % 4), 170, 200));
        painter.drawRect(QRectF(-r.width() / 2 * 0.9, -r.height() / 2 * 0.9, r.width() * 0.9, r.height() * 0.9));
        painter.restore();
    }
    return image.convertToFormat(QImage::Format_BGR888);
}

// A layout as the label document that defines it: a square face of 1000 units, so that
// the slots' thousandths are the picture objects' rectangles; the first picture holds the
// preview.
void SaveLayoutDocument(const TFixedLayout& layout, const QString& path)
{
    TFreePaperInfo paper;
    paper.SetWidth(1000);
    paper.SetHeight(1000);
    paper.SetPaperName(layout.Name);
    paper.SetGroupName(QStringLiteral("レイアウト"));
    TFaceItem* face = paper.Faces()->AddFace();
    face->SetFaceRect({0, 0, 1000, 1000});
    face->SetFaceShape(fsRect);
    std::vector<std::unique_ptr<TLOImage>> images;
    std::vector<TDrawObject*> objects;
    for (const TLayoutSlot& slot : layout.Slots) {
        auto image = std::make_unique<TLOImage>();
        const QRect& r = slot.Thousandths;
        image->SetBoundsRect({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
        image->SetAngle(slot.Angle);
        if (images.empty())
            SavePicture(layout.Preview, *image->ImageData()->Picture());
        objects.insert(objects.begin(), image.get()); // front-most first
        images.push_back(std::move(image));
    }
    TLabelData document;
    document.SetPaper(paper);
    document.SaveObjects(0, objects);
    document.SaveToFile(path);
}

// The layout documents with their list "Arranged.dat", and the prepared set "Arranged.sld"
// with its preview strip "Arranged.cbm" made from that list.
void BuildLayouts(const QDir& data)
{
    data.mkpath(QStringLiteral("Arranged"));
    const auto slot = [](int l, int t, int r, int b, int angle) { return TLayoutSlot{QRect(l, t, r - l, b - t), angle}; };
    std::vector<TFixedLayout> layouts = {
        {QStringLiteral("ふたつ並び"), {slot(60, 250, 480, 750, -8), slot(520, 250, 940, 750, 8)}, {}},
        {QStringLiteral("三段"), {slot(100, 60, 600, 380, -5), slot(250, 340, 750, 660, 4), slot(400, 620, 900, 940, -3)}, {}},
        {QStringLiteral("田の字"),
         {slot(80, 80, 480, 480, 0), slot(520, 80, 920, 480, 0), slot(80, 520, 480, 920, 0), slot(520, 520, 920, 920, 0)},
         {}},
        {QStringLiteral("十字"),
         {slot(350, 40, 650, 340, 0), slot(40, 350, 340, 650, 0), slot(350, 350, 650, 650, 0), slot(660, 350, 960, 650, 0),
          slot(350, 660, 650, 960, 0)},
         {}},
        {QStringLiteral("散らし"),
         {slot(60, 80, 420, 360, -12), slot(540, 60, 920, 340, 10), slot(300, 340, 700, 640, 0), slot(80, 620, 440, 920, 8),
          slot(560, 640, 940, 920, -6), slot(380, 40, 620, 220, 20)},
         {}},
    };
    TIniText list;
    for (size_t i = 0; i < layouts.size(); ++i) {
        layouts[i].Preview = LayoutPreview(layouts[i].Slots);
        const QString file = QStringLiteral("Layout%1.cld").arg(i + 1);
        SaveLayoutDocument(layouts[i], data.filePath(QStringLiteral("Arranged/") + file));
        list.SetValue(layouts[i].Name, QStringLiteral("File"), file);
    }
    const QString sourcePath = data.filePath(QStringLiteral("Arranged/Arranged.dat"));
    SaveIni(list, sourcePath);
    const std::vector<TFixedLayout> sources = LoadLayoutSources(sourcePath);
    Check(sources.size() == layouts.size(), sourcePath);
    for (size_t i = 0; i < sources.size(); ++i)
        Check(sources[i].Name == layouts[i].Name && sources[i].Slots.size() == layouts[i].Slots.size() &&
                  sources[i].Slots.front().Thousandths == layouts[i].Slots.front().Thousandths &&
                  sources[i].Slots.back().Angle == layouts[i].Slots.back().Angle && !sources[i].Preview.isNull(),
              sourcePath);

    const QString path = data.filePath(QStringLiteral("Arranged/Arranged.sld"));
    SaveFixedLayouts(path, sources);
    const std::vector<TFixedLayout> read = LoadFixedLayouts(path);
    Check(read.size() == layouts.size(), path);
    for (size_t i = 0; i < read.size(); ++i) {
        Check(read[i].Name == layouts[i].Name && read[i].Slots.size() == layouts[i].Slots.size(), path);
        Check(read[i].Preview.size() == QSize(kPreviewSide, kPreviewSide), LayoutPreviewPath(path));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return RunDataGenerator(argc, argv, "background_collections", [](const QString& folder) {
        RegisterGraphicsClasses();
        RegisterDocumentClasses();
        RegisterPictureClasses();
        const QDir data(folder);
        BuildLibrary(data);
        BuildFrames(data);
        BuildEffects(data);
        BuildLayouts(data);
    });
}
