// "lumarest new", "info" and "export" run as processes over the shipped catalogue.
#include "support/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::RunProgram;

int Lumarest(const QStringList& arguments, QByteArray* out = nullptr, QByteArray* errors = nullptr)
{
    return RunProgram(QStringLiteral(LUMAREST_PROGRAM), arguments, out, 60000, errors);
}

QJsonObject Info(const QString& path)
{
    QByteArray out;
    EXPECT_EQ(Lumarest({QStringLiteral("info"), QStringLiteral("--json"), path}, &out), 0);
    return QJsonDocument::fromJson(out).object();
}

QJsonObject FirstPaper()
{
    QByteArray out;
    EXPECT_EQ(Lumarest({QStringLiteral("papers"), QStringLiteral("--json")}, &out), 0);
    return QJsonDocument::fromJson(out).array().first().toObject();
}

QString Python(const QString& script, const QStringList& arguments)
{
    QByteArray out;
    EXPECT_EQ(RunProgram(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments, &out), 0);
    return QString::fromUtf8(out).trimmed();
}

const QString kListTree = QStringLiteral("import olefile,sys\nf=olefile.OleFileIO(sys.argv[1])\n"
                                         "print('\\n'.join('/'.join(e) for e in f.listdir(storages=True)))");

const QString kLandscapeKey = QStringLiteral("Software/Brevantix/Lumarest/1.0/Settings/DefaultLandScape");

// The settings file the program reads, in the test's private configuration folder.
QSettings UserSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Lumarest/Lumarest.ini"),
                     QSettings::IniFormat);
}

class DocumentCommands : public testing::Test {
protected:
    // A test that turns new documents to landscape leaves the others portrait.
    void TearDown() override { UserSettings().remove(kLandscapeKey); }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(DocumentCommands, NewWritesTheDocumentTreeAndInfoReportsIt)
{
    const QString path = Path("new.cld");
    ASSERT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), path}), 0);
    EXPECT_EQ(Python(kListTree, {path}).split(QLatin1Char('\n')),
              (QStringList{QStringLiteral("DataInfo"), QStringLiteral("Sheets"), QStringLiteral("Sheets/NameList"),
                           QStringLiteral("Sheets/NameList0"), QStringLiteral("Sheets/NameList0/Info"),
                           QStringLiteral("Sheets/NameList0/NameList"), QStringLiteral("Sheets/NameList0/PaperExtraInfo"),
                           QStringLiteral("Sheets/NameList0/PaperInfo"), QStringLiteral("Sheets/NameList0/Preview")}));

    const QJsonObject info = Info(path);
    EXPECT_EQ(info[QStringLiteral("dataName")].toString(), QString());
    EXPECT_EQ(info[QStringLiteral("currentSheet")].toInt(), 0);
    EXPECT_FALSE(info[QStringLiteral("lastSave")].toString().isEmpty());
    const QJsonArray sheets = info[QStringLiteral("sheets")].toArray();
    ASSERT_EQ(sheets.size(), 1);
    const QJsonObject sheet = sheets[0].toObject();
    EXPECT_EQ(sheet[QStringLiteral("name")].toString(), QStringLiteral("新規シート1"));
    EXPECT_TRUE(sheet[QStringLiteral("designs")].toArray().isEmpty());
    // The default paper is the catalogue's first, described as "papers" describes it.
    EXPECT_EQ(sheet[QStringLiteral("paper")].toObject(), FirstPaper());
}

TEST_F(DocumentCommands, NamedPaperAndUnknownPaper)
{
    QByteArray out;
    ASSERT_EQ(Lumarest({QStringLiteral("papers"), QStringLiteral("--json")}, &out), 0);
    QJsonObject free;
    for (const QJsonValue& paper : QJsonDocument::fromJson(out).array())
        if (paper[QStringLiteral("kind")].toString() == QLatin1String("free")) {
            free = paper.toObject();
            break;
        }
    ASSERT_FALSE(free.isEmpty());
    const QString path = Path("free.cld");
    ASSERT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), path, QStringLiteral("--paper"), free[QStringLiteral("name")].toString()}), 0);
    const QJsonObject sheet = Info(path)[QStringLiteral("sheets")].toArray()[0].toObject();
    EXPECT_EQ(sheet[QStringLiteral("paper")].toObject()[QStringLiteral("name")], free[QStringLiteral("name")]);
    EXPECT_TRUE(sheet[QStringLiteral("separatelyDesign")].toBool());

    QByteArray errors;
    EXPECT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), Path("none.cld"), QStringLiteral("--paper"), QStringLiteral("ない用紙")},
                  nullptr, &errors),
              1);
    EXPECT_TRUE(QString::fromUtf8(errors).contains(QStringLiteral("用紙「ない用紙」が見つかりません")));
    EXPECT_FALSE(QFileInfo::exists(Path("none.cld")));
}

TEST_F(DocumentCommands, InfoGivesEachSheetsOrientation)
{
    // New documents take their orientation from the user's settings.
    UserSettings().setValue(kLandscapeKey, true);
    const QString path = Path("landscape.cld");
    ASSERT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), path}), 0);
    const QJsonObject paper = Info(path)[QStringLiteral("sheets")].toArray()[0].toObject()[QStringLiteral("paper")].toObject();
    const QJsonObject portrait = FirstPaper();
    EXPECT_EQ(portrait[QStringLiteral("landscape")], QJsonValue(false));
    EXPECT_EQ(paper[QStringLiteral("landscape")], QJsonValue(true));
    EXPECT_EQ(paper[QStringLiteral("width")], portrait[QStringLiteral("height")]);
    EXPECT_EQ(paper[QStringLiteral("height")], portrait[QStringLiteral("width")]);
}

TEST_F(DocumentCommands, DocumentWrittenByAnotherWriterReadsTheSame)
{
    const QString path = Path("ours.cld");
    ASSERT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), path}), 0);
    // Every stream taken out with olefile and put together again by libgsf.
    const QString tree = Path("tree");
    Python(QStringLiteral("import olefile,os,sys\nf=olefile.OleFileIO(sys.argv[1])\nos.chdir(sys.argv[2])\n"
                          "for e in f.listdir():\n"
                          "    os.makedirs(os.path.join('.', *e[:-1]), exist_ok=True)\n"
                          "    open(os.path.join(*e),'wb').write(f.openstream(e).read())"),
           {path, (QDir().mkpath(tree), tree)});
    const QString theirs = Path("theirs.cld");
    QProcess gsf;
    gsf.setWorkingDirectory(tree);
    gsf.start(QStringLiteral("gsf"), {QStringLiteral("createole"), theirs, QStringLiteral("DataInfo"), QStringLiteral("Sheets")});
    ASSERT_TRUE(gsf.waitForFinished(60000));
    ASSERT_EQ(gsf.exitCode(), 0);
    EXPECT_EQ(Info(theirs), Info(path));
}

TEST_F(DocumentCommands, ExportRendersSheetsAndFaces)
{
    const QString path = Path("doc.cld");
    ASSERT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), path}), 0);
    const QJsonObject paper = FirstPaper();

    const QString sheetImage = Path("sheet.png");
    ASSERT_EQ(Lumarest({QStringLiteral("export"), path, QStringLiteral("-o"), sheetImage}), 0);
    const QImage sheet(sheetImage);
    EXPECT_EQ(sheet.size(), QSize(paper[QStringLiteral("width")].toInt(), paper[QStringLiteral("height")].toInt()));

    const QJsonObject face = paper[QStringLiteral("faces")].toArray()[0].toObject();
    const int margin = face[QStringLiteral("margin")].toInt();
    const int width = face[QStringLiteral("right")].toInt() - face[QStringLiteral("left")].toInt() + 2 * margin;
    const QString faceImage = Path("face.png");
    ASSERT_EQ(Lumarest({QStringLiteral("export"), path, QStringLiteral("-o"), faceImage, QStringLiteral("--face"), QStringLiteral("0"),
                   QStringLiteral("--dpi"), QStringLiteral("127")}),
              0);
    EXPECT_EQ(QImage(faceImage).width(), (width + 1) / 2);

    const QString pdf = Path("sheet.pdf");
    ASSERT_EQ(Lumarest({QStringLiteral("export"), path, QStringLiteral("-o"), pdf, QStringLiteral("--sheet"), QStringLiteral("0")}), 0);
    EXPECT_TRUE(testsupport::ReadFileBytes(pdf).startsWith("%PDF"));

    QByteArray errors;
    EXPECT_EQ(Lumarest({QStringLiteral("export"), path, QStringLiteral("-o"), Path("x.png"), QStringLiteral("--face"), QStringLiteral("9")},
                  nullptr, &errors),
              1);
    EXPECT_TRUE(QString::fromUtf8(errors).contains(QStringLiteral("面 10 がありません")));
    EXPECT_FALSE(QFileInfo::exists(Path("x.png")));
}

TEST_F(DocumentCommands, FilesThatAreNoDocumentsAreRefused)
{
    const QString text = Path("note.cld");
    testsupport::WriteFileBytes(text, "plain text");
    QByteArray errors;
    EXPECT_EQ(Lumarest({QStringLiteral("info"), text}, nullptr, &errors), 1);
    EXPECT_TRUE(QString::fromUtf8(errors).contains(QStringLiteral("指定されたファイルは「Lumarest」のデータではありません")));
    EXPECT_EQ(Lumarest({QStringLiteral("info")}, nullptr, &errors), 2);
}
