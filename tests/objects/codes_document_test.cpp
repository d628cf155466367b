// A document holding one object of each code class: it saves, opens, renders and saves
// again unchanged, and the program's own commands list and export it.
#include "code_test_support.h"

#include "catalogue/paper/free_paper_info.h"
#include "core/stream/component_stream.h"
#include "document/face_rendering.h"
#include "document/label_data.h"
#include "objects/codes/jan_object.h"
#include "objects/codes/jan_symbol.h"
#include "objects/codes/qr_std.h"
#include "support/test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 300;

std::unique_ptr<TFreePaperInfo> OneFace()
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(2100);
    paper->SetHeight(2970);
    paper->SetPaperName(QStringLiteral("テスト用紙"));
    paper->SetGroupName(QStringLiteral("テスト"));
    TFaceItem* item = paper->Faces()->AddFace();
    item->SetFaceRect({0, 0, 1600, 1200});
    item->SetFaceShape(fsRect);
    return paper;
}

struct TCodes {
    TLOJANCode Jan;
    TLOQRCode Raw;
    TLOQRStd Contact;

    TCodes()
    {
        Jan.SetBoundsRect({100, 100, 600, 500});
        Jan.SetJANCode(MakeJANCode(QStringLiteral("490123456789")));
        Jan.SetAngle(37);
        Raw.SetBoundsRect({800, 100, 1100, 400});
        Raw.SetPayload("https://example.jp/");
        Raw.SetAngle(90);
        Contact.SetBoundsRect({800, 600, 1100, 900});
        Contact.SetQRName(QStringLiteral("ソ表 十予"));
        Contact.SetQRTel1(QStringLiteral("0312345678"));
    }
    std::vector<TDrawObject*> All() { return {&Contact, &Raw, &Jan}; }
};

QByteArray DesignBytes(TLabelData& document)
{
    const std::unique_ptr<QIODevice> stream = document.DesignStream(0, false, true);
    return stream ? stream->readAll() : QByteArray();
}

// The part of a face picture under a logical rectangle, with a white margin.
QImage Cut(const QImage& face, const TRect& logical)
{
    const TRect area = logical.Inflated(60, 60);
    return face.copy(area.Left * kDpi / 254, area.Top * kDpi / 254, RectWidth(area) * kDpi / 254,
                     RectHeight(area) * kDpi / 254);
}

class CodesDocument : public testing::Test {
protected:
    void SetUp() override { RegisterCodeTestClasses(); }

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    static void SaveDocument(TCodes& codes, const QString& path)
    {
        TLabelData document;
        document.SetPaper(*OneFace());
        document.SaveObjects(0, codes.All());
        document.SaveToFile(path);
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(CodesDocument, OpensRendersAndSavesUnchanged)
{
    TCodes codes;
    SaveDocument(codes, Path("codes.cld"));
    TLabelData opened;
    opened.LoadFromFile(Path("codes.cld"));
    const QByteArray design = DesignBytes(opened);
    ASSERT_FALSE(design.isEmpty());
    const std::vector<std::unique_ptr<TDrawObject>> objects = opened.LoadObjects(0);
    ASSERT_EQ(objects.size(), 3u);
    const std::vector<TDrawObject*> originals = codes.All();
    for (size_t i = 0; i < objects.size(); ++i) {
        const TDrawObject* original = originals[originals.size() - 1 - i]; // back-most first
        EXPECT_EQ(objects[i]->ClassName(), original->ClassName());
        EXPECT_EQ(ComponentBytes(*objects[i]), ComponentBytes(*original)) << original->ClassName().toStdString();
    }

    const QImage face = RenderDocumentImage(opened, 0, kDpi);
    EXPECT_EQ(DecodeWithZbar(Cut(face, codes.Jan.GetBounds()), false), codes.Jan.JANCode().toLatin1());
    EXPECT_EQ(DecodeWithZbar(Cut(face, codes.Raw.GetBounds()), true), codes.Raw.Payload());
    EXPECT_EQ(DecodeWithZbar(Cut(face, codes.Contact.GetBounds()), true), codes.Contact.Payload());

    std::vector<TDrawObject*> again;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        again.push_back(it->get());
    opened.SaveObjects(0, again);
    opened.SaveToFile(Path("again.cld"));
    TLabelData reopened;
    reopened.LoadFromFile(Path("again.cld"));
    EXPECT_EQ(DesignBytes(reopened), design);
}

TEST_F(CodesDocument, ProgramListsAndExportsTheCodes)
{
    TCodes codes;
    SaveDocument(codes, Path("codes.cld"));
    QByteArray out;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM),
                                      {QStringLiteral("info"), QStringLiteral("--json"), Path("codes.cld")}, &out),
              0);
    const QJsonArray objects = QJsonDocument::fromJson(out)[QStringLiteral("sheets")][0][QStringLiteral("designs")][0]
                                   [QStringLiteral("objects")]
                                       .toArray();
    QStringList classes;
    for (const QJsonValue& object : objects)
        classes << object[QStringLiteral("class")].toString();
    EXPECT_EQ(classes, (QStringList{QStringLiteral("TLOJANCode"), QStringLiteral("TLOQRCode"), QStringLiteral("TLOQRStd")}));
    EXPECT_EQ(objects[0][QStringLiteral("width")].toInt(), RectWidth(codes.Jan.GetBounds()));

    ASSERT_EQ(testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM),
                                      {QStringLiteral("export"), Path("codes.cld"), QStringLiteral("-o"), Path("face.png"),
                                       QStringLiteral("--face"), QStringLiteral("0"), QStringLiteral("--dpi"),
                                       QString::number(kDpi)}),
              0);
    const QImage face(Path("face.png"));
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(DecodeWithZbar(Cut(face, codes.Jan.GetBounds()), false), codes.Jan.JANCode().toLatin1());
    EXPECT_EQ(DecodeWithZbar(Cut(face, codes.Raw.GetBounds()), true), codes.Raw.Payload());
    EXPECT_EQ(DecodeWithZbar(Cut(face, codes.Contact.GetBounds()), true), codes.Contact.Payload());
}
