#include "paper_source.h"

#include "catalogue/paper/free_paper_info.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "core/error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <initializer_list>

namespace {

// Reads the values of one JSON object and refuses keys it does not know, so that a
// misspelt key fails instead of being ignored.
class TSourceObject {
public:
    TSourceObject(const QJsonValue& value, const QString& where) : where_(where)
    {
        if (!value.isObject())
            Fail(QStringLiteral("an object is expected"));
        object_ = value.toObject();
    }

    [[noreturn]] void Fail(const QString& message) const { throw EAppError(where_ + QStringLiteral(": ") + message); }

    void AllowOnly(std::initializer_list<const char*> keys) const
    {
        for (const QString& key : object_.keys()) {
            bool known = false;
            for (const char* allowed : keys)
                known = known || key == QLatin1String(allowed);
            if (!known)
                Fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }

    bool Has(const char* key) const { return object_.contains(QLatin1String(key)); }
    QJsonValue Value(const char* key) const { return object_.value(QLatin1String(key)); }
    TSourceObject Object(const char* key) const { return {Value(key), where_ + QLatin1Char('.') + QLatin1String(key)}; }

    QString Text(const char* key, const QString& fallback = {}, bool required = false) const
    {
        if (!Has(key)) {
            if (required)
                Fail(QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
            return fallback;
        }
        if (!Value(key).isString())
            Fail(QStringLiteral("\"%1\" must be a text").arg(QLatin1String(key)));
        return Value(key).toString();
    }

    QStringList Texts(const char* key) const
    {
        QStringList texts;
        for (const QJsonValue& value : Value(key).toArray()) {
            if (!value.isString())
                Fail(QStringLiteral("\"%1\" must hold texts").arg(QLatin1String(key)));
            texts << value.toString();
        }
        return texts;
    }

    int Integer(const char* key, int fallback) const
    {
        if (!Has(key))
            return fallback;
        const double value = Value(key).toDouble(std::nan(""));
        if (!Value(key).isDouble() || value != std::floor(value) || std::fabs(value) > 1e9)
            Fail(QStringLiteral("\"%1\" must be a whole number").arg(QLatin1String(key)));
        return static_cast<int>(value);
    }

    // A length in millimetres as logical units (tenths of a millimetre).
    int Length(const char* key, std::optional<double> fallback = std::nullopt) const
    {
        if (!Has(key) && !fallback)
            Fail(QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
        return Units(Has(key) ? Value(key) : QJsonValue(*fallback), key);
    }

    int Units(const QJsonValue& value, const char* key) const
    {
        const double tenths = value.toDouble(std::nan("")) * 10;
        if (!value.isDouble() || std::fabs(tenths - std::round(tenths)) > 1e-6 || std::fabs(tenths) > 1e6)
            Fail(QStringLiteral("\"%1\" must be millimetres to a tenth").arg(QLatin1String(key)));
        return static_cast<int>(std::lround(tenths));
    }

    const QString& Where() const { return where_; }

private:
    QJsonObject object_;
    QString where_;
};

QJsonValue ReadJson(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EAppError(fileName + QStringLiteral(": cannot be read"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull())
        throw EAppError(fileName + QStringLiteral(": ") + error.errorString());
    return document.object();
}

template <class T>
T Identifier(const TSourceObject& source, const TTypeInfo& type, const QString& name)
{
    const std::optional<std::int64_t> value = type.ValueOf(name.toLatin1());
    if (!value)
        source.Fail(QStringLiteral("\"%1\" is no %2").arg(name, QLatin1String(type.Name)));
    return static_cast<T>(*value);
}

// Shape, purpose, bleed, hole and corner of a face.
TFaceInfo ReadFaceTraits(const TSourceObject& source)
{
    TFaceInfo face;
    face.SetFaceShape(Identifier<TFaceShape>(source, FaceShapeType, source.Text("shape", {}, true)));
    face.SetFacePurpose(source.Text("purpose"));
    face.SetFaceMargin(source.Length("margin", 0));
    face.SetRoundSize(source.Length("corner", 10));
    face.SetCenterShape(Identifier<TCenterShape>(source, CenterShapeType, source.Text("centerShape", "csEllipse")));
    const QJsonValue hole = source.Value("hole");
    if (hole.isArray() && hole.toArray().size() == 2) {
        face.SetCutCenterWidth(source.Units(hole.toArray()[0], "hole"));
        face.SetCutCenterHeight(source.Units(hole.toArray()[1], "hole"));
    } else {
        face.SetCutCenterSize(source.Length("hole", 41));
    }
    return face;
}

constexpr std::initializer_list<const char*> kFaceTraitKeys = {"shape", "purpose", "margin", "corner", "centerShape",
                                                               "hole"};
constexpr std::initializer_list<const char*> kFreeFaceKeys = {"left",   "top",    "width",  "height",      "shape",
                                                              "purpose", "margin", "corner", "centerShape", "hole"};

std::unique_ptr<TPaperInfo> ReadMatrix(const TSourceObject& source)
{
    const TSourceObject grid = source.Object("matrix");
    grid.AllowOnly({"columns", "rows", "left", "top", "columnGap", "rowGap", "faceWidth", "faceHeight"});
    auto paper = std::make_unique<TMatrixPaperInfo>();
    paper->SetFaceCountX(grid.Integer("columns", 1));
    paper->SetFaceCountY(grid.Integer("rows", 1));
    paper->SetLeftOffset(grid.Length("left"));
    paper->SetTopOffset(grid.Length("top"));
    paper->SetRightMargin(grid.Length("columnGap", 0));
    paper->SetBottomMargin(grid.Length("rowGap", 0));
    paper->SetFaceWidth(grid.Length("faceWidth"));
    paper->SetFaceHeight(grid.Length("faceHeight"));
    const TSourceObject traits = source.Object("face");
    traits.AllowOnly(kFaceTraitKeys);
    const TFaceInfo face = ReadFaceTraits(traits);
    paper->SetFaceShape(face.FaceShape());
    paper->SetFacePurpose(face.FacePurpose());
    paper->SetFaceMargin(face.FaceMargin());
    paper->SetRoundSize(face.RoundSize());
    paper->SetCenterShape(face.CenterShape());
    paper->SetCutCenterWidth(face.CutCenterWidth());
    paper->SetCutCenterHeight(face.CutCenterHeight());
    return paper;
}

std::unique_ptr<TPaperInfo> ReadFree(const TSourceObject& source)
{
    auto paper = std::make_unique<TFreePaperInfo>();
    const QJsonArray faces = source.Value("faces").toArray();
    if (faces.isEmpty())
        source.Fail(QStringLiteral("\"faces\" must list at least one face"));
    for (qsizetype i = 0; i < faces.size(); ++i) {
        const TSourceObject item(faces[i], source.Where() + QStringLiteral(".faces[%1]").arg(i));
        item.AllowOnly(kFreeFaceKeys);
        TFaceInfo face = ReadFaceTraits(item);
        const int left = item.Length("left");
        const int top = item.Length("top");
        face.SetFaceRect({left, top, left + item.Length("width"), top + item.Length("height")});
        paper->Faces()->AddFace()->SetFace(face);
    }
    return paper;
}

} // namespace

TCatalogueSource ReadCatalogueSource(const QString& fileName)
{
    const TSourceObject source(ReadJson(fileName), fileName);
    source.AllowOnly({"pprNo", "lastUpdate", "purposes", "makers", "groups", "globalInfo"});
    TCatalogueSource catalogue;
    catalogue.PPRNo = source.Integer("pprNo", 0);
    catalogue.LastUpdate = QDateTime::fromString(source.Text("lastUpdate", {}, true), Qt::ISODate);
    if (!catalogue.LastUpdate.isValid())
        source.Fail(QStringLiteral("\"lastUpdate\" must be an ISO date and time"));
    const QJsonArray purposes = source.Value("purposes").toArray();
    for (qsizetype i = 0; i < purposes.size(); ++i) {
        const TSourceObject purpose(purposes[i], fileName + QStringLiteral(".purposes[%1]").arg(i));
        purpose.AllowOnly({"id", "name", "shapes"});
        TFaceShapes shapes = 0;
        for (const QString& shape : purpose.Texts("shapes"))
            shapes |= FaceShapeBit(Identifier<TFaceShape>(purpose, FaceShapeType, shape));
        catalogue.Purposes->AddPurpose(purpose.Text("id"), purpose.Text("name"), shapes);
    }
    catalogue.Makers = source.Texts("makers");
    catalogue.Groups = source.Texts("groups");
    const TSourceObject tables = source.Object("globalInfo");
    tables.AllowOnly({"SearchExtKeyInfo", "GenreInfo", "V1ToV2PaperInfo", "V2ToV3PaperInfo", "V2ToV3GroupInfo",
                      "PrinterSetting", "DirectPrinter"});
    for (const char* name : {"SearchExtKeyInfo", "GenreInfo", "V1ToV2PaperInfo", "V2ToV3PaperInfo", "V2ToV3GroupInfo",
                             "PrinterSetting", "DirectPrinter"})
        if (tables.Has(name))
            catalogue.GlobalTexts.emplace_back(QLatin1String(name), tables.Texts(name));
    return catalogue;
}

TPaperSource ReadPaperSource(const QString& fileName, const TPurposeList& purposes)
{
    const TSourceObject source(ReadJson(fileName), fileName);
    source.AllowOnly({"name", "group", "maker", "usage", "sheet", "purposes", "matrix", "face", "faces"});
    if (source.Has("matrix") == source.Has("faces"))
        source.Fail(QStringLiteral("either \"matrix\" with \"face\" or \"faces\" is needed"));
    TPaperSource result;
    result.Paper = source.Has("matrix") ? ReadMatrix(source) : ReadFree(source);
    TPaperInfo& paper = *result.Paper;
    paper.SetPaperName(source.Text("name", {}, true));
    paper.SetGroupName(source.Text("group", {}, true));
    paper.SetReadOnly(true);
    const TSourceObject sheet = source.Object("sheet");
    sheet.AllowOnly({"width", "height"});
    paper.SetPortraitWidth(sheet.Length("width"));
    paper.SetPortraitHeight(sheet.Length("height"));
    for (const QString& id : source.Texts("purposes")) {
        const int index = purposes.IndexOf(id);
        if (index < 0)
            source.Fail(QStringLiteral("the purpose \"%1\" is not in the catalogue").arg(id));
        paper.PurposeList()->Add()->Assign(*purposes.Purpose(index));
    }
    for (int i = 0; i < paper.FaceCount(); ++i)
        if (purposes.IndexOf(paper.FacePurpose(i)) < 0)
            source.Fail(QStringLiteral("face %1 has a purpose that is not in the catalogue").arg(i));
    result.Maker = source.Text("maker", {}, true);
    result.Usage = source.Text("usage");
    return result;
}
