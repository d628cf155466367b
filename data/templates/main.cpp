// Generates the shipped templates from templates.json: one label document per template on
// its paper of the system catalogue with its shapes on face 0, the genre catalogue
// "Template/Template.dat" and the identifier list "Template/Template.ids". Every document is
// read back through the catalogue's own scan, and every identifier through the list.
#include "assets/ids/image_id_list.h"
#include "assets/templates/template_group.h"
#include "assets/templates/template_list.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/frame/ini_text.h"
#include "../generator_main.h"
#include "document/label_data.h"
#include "document/new_document.h"
#include "graphics/color/color_fill.h"
#include "graphics/graphics_classes.h"
#include "objects/shapes/rect_shape.h"
#include "objects/shapes/shape_classes.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject ReadSource()
{
    QFile file(QStringLiteral(LUMAREST_TEMPLATE_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        throw EAppError(QStringLiteral("cannot read %1").arg(file.fileName()));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        throw EAppError(QStringLiteral("%1: %2").arg(file.fileName(), error.errorString()));
    return document.object();
}

TRect RectOf(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        throw EAppError(QStringLiteral("a rectangle needs four numbers"));
    return {a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()};
}

std::unique_ptr<TLORect> Shape(const QJsonObject& source)
{
    const QString kind = source[QLatin1String("shape")].toString();
    std::unique_ptr<TLORect> shape;
    if (kind == QLatin1String("rect"))
        shape = std::make_unique<TLORect>();
    else if (kind == QLatin1String("circle"))
        shape = std::make_unique<TLOCircle>();
    else
        throw EAppError(QStringLiteral("unknown shape \"%1\"").arg(kind));
    shape->SetBoundsRect(RectOf(source[QLatin1String("rect")]));
    const QColor colour(source[QLatin1String("color")].toString());
    const int bgr = colour.blue() << 16 | colour.green() << 8 | colour.red();
    if (source[QLatin1String("fill")].toBool()) {
        shape->SetFillInside(true);
        shape->FillColorSpec()->SetColor(bgr);
        shape->SetFrameWidth(0);
    } else {
        shape->FrameColorSpec()->SetColor(bgr);
        shape->SetFrameWidth(source[QLatin1String("frame")].toInt(10));
    }
    return shape;
}

QString DiskPath(const QString& folder, const QString& stored)
{
    return QDir(folder).filePath(QString(stored).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

void WriteIni(const TIniText& ini, const QString& path)
{
    const std::optional<QByteArray> bytes = ini.ToBytes();
    QFile file(path);
    if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
        throw EAppError(QStringLiteral("cannot write %1").arg(path));
}

// The face 0 description of a template's paper.
TFaceInfo FaceOf(const QString& file)
{
    TLabelData document;
    document.LoadFromFile(file);
    TFaceInfo face;
    document.Paper()->GetFaceInfo(0, face);
    return face;
}

void Generate(const QString& dataFolder)
{
    RegisterDocumentClasses();
    RegisterGraphicsClasses();
    RegisterShapeClasses();
    const QJsonObject source = ReadSource();
    const QString folder = QDir(dataFolder).filePath(QStringLiteral("Template"));
    QDir().mkpath(folder);
    TPapersV2 papers(QDir(dataFolder).filePath(QStringLiteral("Lumarest.ppr")), false, true);

    TIniText catalogue;
    for (const QJsonValue& value : source[QLatin1String("genres")].toArray()) {
        const QJsonObject genre = value.toObject();
        const QString purpose = genre[QLatin1String("purpose")].toString();
        const QString dirs = catalogue.Value(purpose, QStringLiteral("Dir"));
        const QString names = catalogue.Value(purpose, QStringLiteral("Name"));
        const QString separator = dirs.isEmpty() ? QString() : QStringLiteral(",");
        catalogue.SetValue(purpose, QStringLiteral("Dir"), dirs + separator + genre[QLatin1String("dir")].toString());
        catalogue.SetValue(purpose, QStringLiteral("Name"), names + separator + genre[QLatin1String("name")].toString());
    }
    WriteIni(catalogue, QDir(folder).filePath(QStringLiteral("Template.dat")));

    TIniText ids;
    QStringList written;
    for (const QJsonValue& value : source[QLatin1String("templates")].toArray()) {
        const QJsonObject entry = value.toObject();
        const QString stored = entry[QLatin1String("file")].toString();
        const QString path = DiskPath(folder, stored) + QStringLiteral(".cld");
        QDir().mkpath(QFileInfo(path).path());
        std::unique_ptr<TLabelData> document = NewDocumentWithPaper(papers, entry[QLatin1String("paper")].toString());
        document->SetSeparatelyDesign(true);
        std::vector<std::unique_ptr<TLORect>> shapes;
        std::vector<TDrawObject*> frontFirst;
        for (const QJsonValue& object : entry[QLatin1String("objects")].toArray())
            shapes.push_back(Shape(object.toObject()));
        for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
            frontFirst.push_back(it->get());
        document->SaveObjects(0, frontFirst);
        document->SaveToFile(path);
        const qsizetype cut = stored.lastIndexOf(QLatin1Char('\\'));
        ids.SetValue(stored.left(cut), stored.mid(cut + 1).toUpper() + QStringLiteral(",0,0"),
                     entry[QLatin1String("id")].toString());
        written << path;
    }
    const QString idsPath = QDir(folder).filePath(QStringLiteral("Template.ids"));
    WriteIni(ids, idsPath);

    // Read back: each template fits its own face 0 and its identifier leads back to it.
    TImageIDList list(idsPath);
    for (const QString& path : written) {
        const TFaceInfo face = FaceOf(path);
        TTemplateList found;
        found.ScanFile(path, &face);
        if (found.IndexOf({path, 0, 0, false}) < 0)
            throw EAppError(QStringLiteral("%1 does not fit its own paper").arg(path));
        const QString relative = QDir(folder).relativeFilePath(path);
        if (list.IdOfTemplate({relative, 0, 0}).isEmpty())
            throw EAppError(QStringLiteral("%1 has no identifier").arg(path));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return RunDataGenerator(argc, argv, "templates", Generate);
}
