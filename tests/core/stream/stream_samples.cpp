#include "stream_samples.h"

const TTypeInfo SampleShapeType{"TSampleShape", {{0, "ssRect"}, {1, "ssEllipse"}, {2, "ssDoughnut"}}};
const TTypeInfo SampleShapesType{"TSampleShapes", {}, false, &SampleShapeType};

LR_DEFINE_CLASS(TSampleFont, TPersistent, LR_CREATABLE(TSampleFont),
    prop::String("Name", &Self::FontName, &Self::SetFontName),
    prop::Integer("Size", &Self::Size, &Self::SetSize).Default(9),
    prop::Integer("Charset", &Self::Charset, &Self::SetCharset, &FontCharsetType).Default(1))

LR_DEFINE_CLASS(TSampleItem, TCollectionItem, LR_CREATABLE(TSampleItem),
    prop::String("Title", &Self::Title, &Self::SetTitle),
    prop::Integer("Count", &Self::Count, &Self::SetCount).Default(0))

LR_DEFINE_CLASS(TSampleComponent, TComponent, LR_CREATABLE(TSampleComponent),
    prop::Integer("Number", &Self::Number, &Self::SetNumber).Default(0),
    prop::Integer("Colour", &Self::Colour, &Self::SetColour, &ColorType).Default(0),
    prop::Int64("Big", &Self::Big, &Self::SetBig),
    prop::String("Text", &Self::Text, &Self::SetText),
    prop::WString("Wide", &Self::Wide, &Self::SetWide),
    prop::Float("Ratio", &Self::Ratio, &Self::SetRatio),
    prop::Float("Single", &Self::Single, &Self::SetSingle, TFloatType::Single),
    prop::Float("Price", &Self::Price, &Self::SetPrice, TFloatType::Currency),
    prop::Float("When", &Self::When, &Self::SetWhen, TFloatType::DateTime),
    prop::Enumeration("Shape", &Self::Shape, &Self::SetShape, SampleShapeType).Default(0),
    prop::Set("Shapes", &Self::Shapes, &Self::SetShapes, SampleShapesType).Default(0),
    prop::Char("Letter", &Self::Letter, &Self::SetLetter).Default('A'),
    prop::Boolean("Flag", &Self::Flag, &Self::SetFlag).Default(false),
    prop::Boolean("Always", &Self::Always, &Self::SetAlways),
    prop::Object("Font", &Self::Font, &Self::Font),
    prop::Object("Items", &Self::Items, &Self::Items, TPropKind::Collection),
    prop::Object("Lines", &Self::Lines, &Self::Lines),
    prop::Component("Link", &Self::Link, &Self::SetLink))

TSampleComponent::TSampleComponent()
    : font_(std::make_unique<TSampleFont>()),
      items_(std::make_unique<TCollection>(TSampleItem::StaticClassInfo(), this)),
      lines_(std::make_unique<TStringList>())
{
}

TSampleComponent::~TSampleComponent() = default;

void TSampleComponent::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        "Blob", [this](const QByteArray& data) { blob_ = data; }, [this] { return blob_; }, !blob_.isEmpty());
}

void TSampleComponent::GetChildren(const std::function<void(TComponent&)>& proc) const
{
    for (const auto& child : children_)
        proc(*child);
}

void TSampleComponent::InsertStreamedChild(std::unique_ptr<TComponent> child)
{
    children_.push_back(std::move(child));
}
