#include "assets/ids/image_id_list.h"
#include "assets/templates/template_group.h"
#include "assets/templates/template_list.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/paper_info.h"
#include "core/face/face_info.h"
#include "core/model/draw_object.h"
#include "core/persistent/string_list.h"
#include "document/label_data.h"
#include "document/face_rendering.h"
#include "document/new_document.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image.h"
#include "objects/codes/qr_std.h"
#include "objects/dates/date_object.h"
#include "objects/pictures/image_object.h"
#include "support/test_support.h"
#include "support/zbar_decode.h"
#include "template_fixtures.h"
#include "text/object/shade_text.h"
#include "text/point_based_font.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString kTemplates = QStringLiteral(LUMAREST_BINARY_DIR "/data/Template");
const QString kCatalogue = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr");
const QString kData = QStringLiteral(LUMAREST_BINARY_DIR "/data");

// The templates as templates.json describes them.
QJsonArray TemplateSources()
{
    QFile file(QStringLiteral(LUMAREST_TEMPLATE_SOURCE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll())[QLatin1String("templates")].toArray();
}

QString DataPath(const QJsonValue& stored)
{
    return stored.toString().replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The class a document stores for each kind of object of the source.
QString ClassOfKind(const QString& kind)
{
    static const std::map<QString, QString> classes = {
        {QStringLiteral("rect"), QStringLiteral("TLORect")},       {QStringLiteral("circle"), QStringLiteral("TLOCircle")},
        {QStringLiteral("background"), QStringLiteral("TLOBackImage")}, {QStringLiteral("picture"), QStringLiteral("TLOWizardImage")},
        {QStringLiteral("text"), QStringLiteral("TLOText")},       {QStringLiteral("date"), QStringLiteral("TLODate")},
        {QStringLiteral("qr"), QStringLiteral("TLOQRStd")}};
    const auto found = classes.find(kind);
    return found == classes.end() ? QString() : found->second;
}

QStringList Lines(const QJsonValue& value)
{
    QStringList lines;
    for (const QJsonValue& line : value.toArray())
        lines << line.toString();
    return lines;
}

QString TemplatePath(const QJsonObject& entry)
{
    return kTemplates + QLatin1Char('/') + DataPath(entry[QLatin1String("file")]) + QStringLiteral(".cld");
}

// The classes of the objects the source describes for a template, back-most first.
QStringList DescribedClasses(const QJsonObject& entry)
{
    QStringList classes;
    for (const QJsonValue& object : entry[QLatin1String("objects")].toArray())
        classes << ClassOfKind(object[QLatin1String("kind")].toString());
    return classes;
}

// One object read from a template against its description.
void ExpectAsDescribed(TDrawObject& object, const QJsonObject& source)
{
    const QString kind = source[QLatin1String("kind")].toString();
    if (kind == QLatin1String("text")) {
        auto& text = dynamic_cast<TLOText&>(object);
        EXPECT_EQ(text.Text()->Lines(), Lines(source[QLatin1String("lines")]));
        EXPECT_EQ(text.TextFont()->Name(), source[QLatin1String("font")].toString());
        EXPECT_EQ(text.ShadeShadowEnable(), source[QLatin1String("shadow")][QLatin1String("soft")].toBool());
    } else if (kind == QLatin1String("date")) {
        auto& date = dynamic_cast<TLODate&>(object);
        EXPECT_EQ(date.Format(), source[QLatin1String("format")].toString());
        EXPECT_EQ(date.UpdateFlagValue(),
                  *DateUpdateFlagType.ValueOf(source[QLatin1String("update")].toString().toLatin1()));
        EXPECT_TRUE(date.FormatExpanded());
        // A field updated on opening shows the day the template was opened.
        if (date.UpdateFlag() == TDateUpdateFlag::dufOpen) {
            EXPECT_LE(std::abs(date.Date().secsTo(QDateTime::currentDateTime())), 600);
        }
    } else if (kind == QLatin1String("qr")) {
        auto& code = dynamic_cast<TLOQRStd&>(object);
        EXPECT_FALSE(code.Payload().isEmpty());
        if (source.contains(QLatin1String("url"))) {
            EXPECT_EQ(code.QRKind(), sqkURL);
            EXPECT_EQ(code.QRUrl(), source[QLatin1String("url")].toString());
        } else {
            EXPECT_EQ(code.QRKind(), sqkTEXT);
            EXPECT_EQ(code.QRText()->Lines(), Lines(source[QLatin1String("text")]));
        }
    } else if (kind == QLatin1String("picture")) {
        // The picture's data travels inside the document, at the size of the shipped asset.
        auto& image = dynamic_cast<TLOImage&>(object);
        const QSize asset = QImageReader(kData + QLatin1Char('/') + DataPath(source[QLatin1String("file")])).size();
        ASSERT_FALSE(image.ImageData()->Empty());
        EXPECT_EQ(QSize(image.Picture()->Width(), image.Picture()->Height()), asset);
        EXPECT_FALSE(image.Composite().Empty());
    } else if (kind == QLatin1String("background")) {
        auto& background = dynamic_cast<TLOBackImage&>(object);
        EXPECT_FALSE(background.IsBlankBackground());
        EXPECT_EQ(background.BlendPicture()->Width() > 0, source.contains(QLatin1String("wash")));
    }
}

// Face 0 of a paper of the system catalogue.
TFaceInfo PaperFace(const QString& paperName)
{
    RegisterTemplateTestClasses();
    TPapersV2 papers(kCatalogue, false, true);
    std::unique_ptr<TLabelData> document = NewDocumentWithPaper(papers, paperName);
    TFaceInfo face;
    document->Paper()->GetFaceInfo(0, face);
    return face;
}

// The file names of every template listed for the face, over every genre of its purpose.
QStringList TemplatesFor(const TFaceInfo& face)
{
    TTemplateGroup group(kTemplates + QStringLiteral("/Template.dat"));
    group.SetPurpose(face.FacePurpose());
    QStringList names;
    for (int genre = 0; genre < group.Count(); ++genre) {
        TTemplateList list;
        list.ScanFolder(group.GenreFolder(genre), &face);
        for (const TTemplateInfo& info : list.Items())
            names << QFileInfo(info.FileName).completeBaseName();
    }
    return names;
}

} // namespace

TEST(ShippedTemplates, EachFaceSeesOnlyTheTemplatesOfItsPurposeAndShape)
{
    struct Case { QString Paper; QStringList Templates; };
    const Case cases[] = {
        {QStringLiteral("CDラベル A4 2面 117mm 内径41mm"), {QStringLiteral("DiscBand"), QStringLiteral("DiscRings")}},
        {QStringLiteral("CDジャケット A4 2面 121×120mm"), {QStringLiteral("FrontFrame")}},
        {QStringLiteral("CDバックインレイ A4 2面 151×118mm"), {QStringLiteral("TrayStripes")}},
        {QStringLiteral("DVDトールケース A4横 273×183mm"), {QStringLiteral("CoverPanels")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TemplatesFor(PaperFace(c.Paper)), c.Templates) << c.Paper.toStdString();

    // A disc label face turned portrait fits none of the (square) disc templates.
    TFaceInfo narrow = PaperFace(cases[0].Paper);
    narrow.SetFaceRect({0, 0, 600, 1170});
    EXPECT_TRUE(TemplatesFor(narrow).isEmpty());
}

TEST(ShippedTemplates, IdentifiersLeadToTheirTemplates)
{
    TImageIDList ids(kTemplates + QStringLiteral("/Template.ids"));
    TTemplateGroup group(kTemplates + QStringLiteral("/Template.dat"));
    group.SetPurpose(QStringLiteral("CD"));
    for (const char* id : {"d001", "D002", "J001", "T001", "V001"}) {
        TTemplateLabelRef label;
        ASSERT_TRUE(ids.TemplateOfId(QString::fromLatin1(id), label)) << id;
        const QString located = group.LocateTemplate(label.File);
        EXPECT_TRUE(QFileInfo(located).isFile()) << id;
        // Only the disc templates lie in a genre of the disc label purpose.
        EXPECT_EQ(group.GenreOfFile(located) >= 0, QChar::fromLatin1(id[0]).toUpper() == QLatin1Char('D')) << id;
        EXPECT_EQ(label.Sheet, 0);
        EXPECT_EQ(label.Label, 0);
        EXPECT_EQ(ids.IdOfTemplate({located, 0, 0}).toUpper(), QString::fromLatin1(id).toUpper());
    }
    EXPECT_EQ(group.LocateTemplate(QStringLiteral("disc/simple/nothing")), QString());
    EXPECT_EQ(group.LocateTemplate(QStringLiteral("../Template/Template")), QString());
    TTemplateLabelRef none;
    EXPECT_FALSE(ids.TemplateOfId(QStringLiteral("X999"), none));
}

TEST(ShippedTemplates, EachFaceHoldsTheDesignItsSourceDescribes)
{
    RegisterTemplateTestClasses();
    const QJsonArray sources = TemplateSources();
    ASSERT_FALSE(sources.isEmpty());
    for (const QJsonValue& value : sources) {
        const QJsonObject entry = value.toObject();
        const QString path = TemplatePath(entry);
        SCOPED_TRACE(path.toStdString());
        TLabelData document;
        document.LoadFromFile(path);
        std::vector<std::unique_ptr<TDrawObject>> objects = document.LoadObjects(0);
        const QJsonArray described = entry[QLatin1String("objects")].toArray();
        QStringList classes;
        for (const std::unique_ptr<TDrawObject>& object : objects)
            classes << object->ClassName();
        ASSERT_EQ(classes, DescribedClasses(entry)); // back-most first, as listed
        // Every shipped template is a whole design: titles, a date, a QR code and a picture.
        for (const char* kind : {"TLOText", "TLODate", "TLOQRStd", "TLOWizardImage"})
            EXPECT_TRUE(classes.contains(QLatin1String(kind))) << kind;
        for (qsizetype i = 0; i < described.size(); ++i)
            ExpectAsDescribed(*objects[size_t(i)], described[i].toObject());
    }
}

TEST(ShippedTemplates, QRCodesReadBackFromTheRenderedFace)
{
    RegisterTemplateTestClasses();
    constexpr int kDpi = 400;
    for (const QJsonValue& value : TemplateSources()) {
        const QString path = TemplatePath(value.toObject());
        SCOPED_TRACE(path.toStdString());
        TLabelData document;
        document.LoadFromFile(path);
        const QImage face = RenderDocumentImage(document, 0, kDpi);
        int codes = 0;
        for (const std::unique_ptr<TDrawObject>& object : document.LoadObjects(0)) {
            const auto* code = dynamic_cast<const TLOQRStd*>(object.get());
            if (!code)
                continue;
            ++codes;
            const TRect area = code->GetBounds().Inflated(40, 40);
            const QImage cut = face.copy(area.Left * kDpi / 254, area.Top * kDpi / 254, RectWidth(area) * kDpi / 254,
                                         RectHeight(area) * kDpi / 254);
            EXPECT_EQ(testsupport::DecodeWithZbar(cut, true), code->Payload());
        }
        EXPECT_EQ(codes, 1);
    }
}

TEST(ShippedTemplates, ProgramListsTheirObjects)
{
    for (const QJsonValue& value : TemplateSources()) {
        const QString path = TemplatePath(value.toObject());
        QByteArray out;
        ASSERT_EQ(testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM), {QStringLiteral("info"), QStringLiteral("--json"), path},
                                          &out),
                  0)
            << path.toStdString();
        const QJsonArray objects =
            QJsonDocument::fromJson(out)[QLatin1String("sheets")][0][QLatin1String("designs")][0][QLatin1String("objects")].toArray();
        QStringList classes;
        for (const QJsonValue& object : objects)
            classes << object[QLatin1String("class")].toString();
        EXPECT_EQ(classes, DescribedClasses(value.toObject())) << path.toStdString();
    }
}
