// Generates the shipped templates from templates.json: one label document per template on
// its paper of the system catalogue with its objects on face 0 (pictures taken from the
// collections already in the data folder), the genre catalogue "Template/Template.dat" and
// the identifier list "Template/Template.ids". Every document is read back: its face holds
// the objects written, class by class, it fits its own face through the catalogue's own
// scan, and its identifier leads back to it through the list.
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
#include "core/model/draw_object.h"
#include "objects/object_classes.h"
#include "template_objects.h"

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

// The face 0 description of a document's paper, with the size of the face.
TTemplateContext ContextOf(TLabelData& document, const QString& dataFolder)
{
    TTemplateContext context{dataFolder, {}, 0, 0};
    document.Paper()->GetFaceInfo(0, context.Face);
    const TRect area = document.FaceArea(0);
    context.FaceWidth = RectWidth(area);
    context.FaceHeight = RectHeight(area);
    return context;
}

QStringList ClassNames(const std::vector<std::unique_ptr<TDrawObject>>& objects)
{
    QStringList names;
    for (const std::unique_ptr<TDrawObject>& object : objects)
        names << object->ClassName();
    return names;
}

// Writes one template document: the objects listed back to front, face 0 designed. Returns
// the class names of its objects in that order.
QStringList WriteTemplate(TPapersV2& papers, const QJsonObject& entry, const QString& dataFolder, const QString& path)
{
    std::unique_ptr<TLabelData> document = NewDocumentWithPaper(papers, entry[QLatin1String("paper")].toString());
    document->SetSeparatelyDesign(true);
    const TTemplateContext context = ContextOf(*document, dataFolder);
    std::vector<std::unique_ptr<TDrawObject>> objects;
    for (const QJsonValue& object : entry[QLatin1String("objects")].toArray())
        objects.push_back(TemplateObject(object.toObject(), context));
    std::vector<TDrawObject*> frontFirst;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        frontFirst.push_back(it->get());
    document->SaveObjects(0, frontFirst);
    document->SaveToFile(path);
    return ClassNames(objects);
}

// Reads a written template back: its face 0 holds objects of the classes written, in their
// order, and the template fits that face.
void CheckTemplate(const QString& path, const QStringList& classes, const QString& dataFolder)
{
    TLabelData document;
    document.LoadFromFile(path);
    const QStringList read = ClassNames(document.LoadObjects(0));
    if (read != classes)
        throw EAppError(QStringLiteral("%1 reads back as %2 instead of %3")
                            .arg(path, read.join(QLatin1Char(',')), classes.join(QLatin1Char(','))));
    const TFaceInfo face = ContextOf(document, dataFolder).Face;
    TTemplateList found;
    found.ScanFile(path, &face);
    if (found.IndexOf({path, 0, 0, false}) < 0)
        throw EAppError(QStringLiteral("%1 does not fit its own paper").arg(path));
}

void Generate(const QString& dataFolder)
{
    RegisterDocumentClasses();
    RegisterLabelObjectClasses();
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
    std::vector<std::pair<QString, QStringList>> written; // path, classes
    for (const QJsonValue& value : source[QLatin1String("templates")].toArray()) {
        const QJsonObject entry = value.toObject();
        const QString stored = entry[QLatin1String("file")].toString();
        const QString path = DiskPath(folder, stored) + QStringLiteral(".cld");
        QDir().mkpath(QFileInfo(path).path());
        const QStringList classes = WriteTemplate(papers, entry, dataFolder, path);
        const qsizetype cut = stored.lastIndexOf(QLatin1Char('\\'));
        ids.SetValue(stored.left(cut), stored.mid(cut + 1).toUpper() + QStringLiteral(",0,0"),
                     entry[QLatin1String("id")].toString());
        written.emplace_back(path, classes);
    }
    const QString idsPath = QDir(folder).filePath(QStringLiteral("Template.ids"));
    WriteIni(ids, idsPath);

    TImageIDList list(idsPath);
    for (const auto& [path, classes] : written) {
        CheckTemplate(path, classes, dataFolder);
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
