#pragma once
// Persistent classes with one property of every kind, for exercising component streams.
#include "core/persistent/collection.h"
#include "core/persistent/color_type.h"
#include "core/persistent/component.h"
#include "core/persistent/string_list.h"

enum class TSampleShape { Rect, Ellipse, Doughnut };
extern const TTypeInfo SampleShapeType;
extern const TTypeInfo SampleShapesType;

class TSampleFont : public TPersistent {
    LR_CLASS(TSampleFont, TPersistent)
public:
    TSampleFont() = default;
    QString FontName() const { return name_; }
    void SetFontName(const QString& name) { name_ = name; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    int Charset() const { return charset_; }
    void SetCharset(int charset) { charset_ = charset; }
    void Assign(const TPersistent& source) override { AssignPublishedProperties(source, *this); }

private:
    QString name_;
    int size_ = 9;
    int charset_ = 1;
};

class TSampleItem : public TCollectionItem {
    LR_CLASS(TSampleItem, TCollectionItem)
public:
    TSampleItem() = default;
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }

private:
    QString title_;
    int count_ = 0;
};

class TSampleComponent : public TComponent {
    LR_CLASS(TSampleComponent, TComponent)
public:
    TSampleComponent();
    ~TSampleComponent() override;

    int Number() const { return number_; }
    void SetNumber(int value) { number_ = value; }
    int Colour() const { return colour_; }
    void SetColour(int value) { colour_ = value; }
    std::int64_t Big() const { return big_; }
    void SetBig(std::int64_t value) { big_ = value; }
    QString Text() const { return text_; }
    void SetText(const QString& value) { text_ = value; }
    QString Wide() const { return wide_; }
    void SetWide(const QString& value) { wide_ = value; }
    double Ratio() const { return ratio_; }
    void SetRatio(double value) { ratio_ = value; }
    double Single() const { return single_; }
    void SetSingle(double value) { single_ = value; }
    double Price() const { return price_; }
    void SetPrice(double value) { price_ = value; }
    double When() const { return when_; }
    void SetWhen(double value) { when_ = value; }
    TSampleShape Shape() const { return shape_; }
    void SetShape(TSampleShape value) { shape_ = value; }
    int Shapes() const { return shapes_; }
    void SetShapes(int value) { shapes_ = value; }
    int Letter() const { return letter_; }
    void SetLetter(int value) { letter_ = value; }
    bool Flag() const { return flag_; }
    void SetFlag(bool value) { flag_ = value; }
    bool Always() const { return always_; }
    void SetAlways(bool value) { always_ = value; }
    TSampleFont* Font() { return font_.get(); }
    const TSampleFont* Font() const { return font_.get(); }
    TCollection* Items() { return items_.get(); }
    const TCollection* Items() const { return items_.get(); }
    TStringList* Lines() { return lines_.get(); }
    const TStringList* Lines() const { return lines_.get(); }
    TComponent* Link() const { return link_; }
    void SetLink(TComponent* link) { link_ = link; }
    QByteArray Blob() const { return blob_; }
    void SetBlob(const QByteArray& blob) { blob_ = blob; }

    void DefineProperties(TFiler& filer) override;
    void GetChildren(const std::function<void(TComponent&)>& proc) const override;
    void InsertStreamedChild(std::unique_ptr<TComponent> child) override;
    std::vector<std::unique_ptr<TComponent>>& Children() { return children_; }

private:
    int number_ = 0;
    int colour_ = 0;
    std::int64_t big_ = 0;
    QString text_;
    QString wide_;
    double ratio_ = 0;
    double single_ = 0;
    double price_ = 0;
    double when_ = 0;
    TSampleShape shape_ = TSampleShape::Rect;
    int shapes_ = 0;
    int letter_ = 'A';
    bool flag_ = false;
    bool always_ = false;
    std::unique_ptr<TSampleFont> font_;
    std::unique_ptr<TCollection> items_;
    std::unique_ptr<TStringList> lines_;
    TComponent* link_ = nullptr;
    QByteArray blob_;
    std::vector<std::unique_ptr<TComponent>> children_;
};
