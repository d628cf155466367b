#include "assets/ids/image_id_list.h"
#include "assets/templates/template_group.h"
#include "assets/templates/template_list.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/paper_info.h"
#include "core/face/face_info.h"
#include "document/label_data.h"
#include "document/new_document.h"
#include "template_fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kTemplates = QStringLiteral(LUMAREST_BINARY_DIR "/data/Template");
const QString kCatalogue = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr");

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
