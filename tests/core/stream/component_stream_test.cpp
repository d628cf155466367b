#include "core/model/draw_site_model.h"
#include "core/error.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"
#include "../model/sample_objects.h"
#include "stream_samples.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray Short(const QByteArray& bytes)
{
    return char(bytes.size()) + bytes;
}

QByteArray LE(std::uint64_t value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(value >> (8 * i)));
    return bytes;
}

// Reads a stream, expecting the given error text.
QString ReadError(const QByteArray& bytes, bool resource = false)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        if (resource)
            ReadComponentRes(buffer);
        else
            ReadComponent(buffer);
    } catch (const EAppError& error) {
        return error.Message();
    }
    return {};
}

class ComponentStream : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterClass(TSampleComponent::StaticClassInfo());
        RegisterClass(TSampleRect::StaticClassInfo());
    }
};

} // namespace

TEST_F(ComponentStream, WritingRules)
{
    struct Case {
        const char* what;
        std::function<void(TSampleComponent&)> set;
        QByteArray expected; // a property record the stream must contain
    };
    const QByteArray a255(255, 'a');
    const QByteArray a256(256, 'a');
    const Case cases[] = {
        {"127 is int8", [](auto& c) { c.SetNumber(127); }, Short("Number") + "\x02\x7f"},
        {"128 is int16", [](auto& c) { c.SetNumber(128); }, Short("Number") + "\x03" + LE(128, 2)},
        {"-129 is int16", [](auto& c) { c.SetNumber(-129); }, Short("Number") + "\x03" + LE(0xff7f, 2)},
        {"40000 is int32", [](auto& c) { c.SetNumber(40000); }, Short("Number") + "\x04" + LE(40000, 4)},
        {"int64", [](auto& c) { c.SetBig(5000000000LL); }, Short("Big") + "\x13" + LE(5000000000ULL, 8)},
        {"small int64", [](auto& c) { c.SetBig(5); }, Short("Big") + "\x02\x05"},
        {"255-byte string", [&](auto& c) { c.SetText(QString::fromLatin1(a255)); }, Short("Text") + "\x06" + Short(a255)},
        {"256-byte string", [&](auto& c) { c.SetText(QString::fromLatin1(a256)); }, Short("Text") + "\x0c" + LE(256, 4) + a256},
        {"Shift-JIS text", [](auto& c) { c.SetText(QStringLiteral("日本")); }, Short("Text") + "\x06" + Short("\x93\xfa\x96\x7b")},
        {"text without Shift-JIS form", [](auto& c) { c.SetText(QStringLiteral("5€")); },
         Short("Text") + "\x12" + LE(2, 4) + QByteArray("5\0\xac\x20", 4)},
        {"wide string", [](auto& c) { c.SetWide(QStringLiteral("x")); }, Short("Wide") + "\x12" + LE(1, 4) + QByteArray("x\0", 2)},
        {"clWhite", [](auto& c) { c.SetColour(0xFFFFFF); }, Short("Colour") + "\x07" + Short("clWhite")},
        {"0xFFFFFE", [](auto& c) { c.SetColour(0xFFFFFE); }, Short("Colour") + "\x04" + LE(0xFFFFFE, 4)},
        {"system colour", [](auto& c) { c.SetColour(clWindow); }, Short("Colour") + "\x07" + Short("clWindow")},
        {"enumeration", [](auto& c) { c.SetShape(TSampleShape::Doughnut); }, Short("Shape") + "\x07" + Short("ssDoughnut")},
        {"set", [](auto& c) { c.SetShapes(0b110); }, Short("Shapes") + "\x0b" + Short("ssEllipse") + Short("ssDoughnut") + '\0'},
        {"character", [](auto& c) { c.SetLetter('B'); }, Short("Letter") + "\x06" + Short("B")},
        {"boolean true", [](auto& c) { c.SetFlag(true); }, Short("Flag") + "\x09"},
        {"boolean without default", [](auto&) {}, Short("Always") + "\x08"},
        {"sub-object path", [](auto& c) { c.Font()->SetFontName(QStringLiteral("Arial")); }, Short("Font.Name") + "\x06" + Short("Arial")},
        {"character set", [](auto& c) { c.Font()->SetCharset(128); }, Short("Font.Charset") + "\x07" + Short("SHIFTJIS_CHARSET")},
        {"empty collection", [](auto&) {}, Short("Items") + "\x0e" + '\0'},
        {"collection item", [](auto& c) { static_cast<TSampleItem*>(c.Items()->Add())->SetTitle(QStringLiteral("x")); },
         Short("Items") + "\x0e\x01" + Short("Title") + "\x06" + Short("x") + '\0' + '\0'},
        {"string list", [](auto& c) { c.Lines()->SetLines({QStringLiteral("a"), QStringLiteral("b")}); },
         Short("Lines.Strings") + "\x01\x06" + Short("a") + "\x06" + Short("b") + '\0'},
        {"extended", [](auto& c) { c.SetRatio(1.5); }, Short("Ratio") + "\x05" + LE(0xC000000000000000ULL, 8) + LE(0x3FFF, 2)},
        {"single", [](auto& c) { c.SetSingle(0.5); }, Short("Single") + "\x0f" + LE(0x3F000000, 4)},
        {"currency", [](auto& c) { c.SetPrice(1.25); }, Short("Price") + "\x10" + LE(12500, 8)},
        {"binary extra", [](auto& c) { c.SetBlob("xyz"); }, Short("Blob") + "\x0a" + LE(3, 4) + "xyz"},
    };
    for (const Case& c : cases) {
        TSampleComponent component;
        c.set(component);
        EXPECT_TRUE(ComponentBytes(component).contains(c.expected)) << c.what << ": " << ComponentBytes(component).toHex().constData();
    }
}

TEST_F(ComponentStream, DefaultsAndEmptyValuesAreNotWritten)
{
    const QByteArray bytes = ComponentBytes(TSampleComponent());
    for (const char* name : {"Number", "Big", "Text", "Wide", "Ratio", "Shape", "Shapes", "Letter", "Flag", "Font.",
                             "Lines.Strings", "Link", "Blob"})
        EXPECT_FALSE(bytes.contains(Short(name))) << name;
    EXPECT_TRUE(bytes.startsWith(QByteArray("TPF0") + Short("TSampleComponent") + '\0'));
    EXPECT_TRUE(bytes.endsWith(QByteArray("\0\0", 2)));
}

TEST_F(ComponentStream, RectangleObjectsBeginWithTagThenGeometry)
{
    TSampleRect rect({10, 20, 40, 60});
    QByteArray bytes = ComponentBytes(rect);
    const QByteArray geometry = Short("Left") + "\x02\x0a" + Short("Top") + "\x02\x14" + Short("Width") + "\x02\x1e" +
                                Short("Height") + "\x02\x28";
    EXPECT_TRUE(bytes.startsWith(QByteArray("TPF0") + Short("TSampleRect") + '\0' + geometry)) << bytes.toHex().constData();
    EXPECT_FALSE(bytes.contains(Short("BlendRatio")));
    EXPECT_TRUE(bytes.contains(Short("Border") + "\x08"));
    EXPECT_TRUE(bytes.contains(Short("DontPrint") + "\x08"));
    rect.SetBlendRatio(99);
    rect.SetTag(7);
    bytes = ComponentBytes(rect);
    EXPECT_TRUE(bytes.contains(Short("BlendRatio") + "\x02\x63"));
    EXPECT_TRUE(bytes.startsWith(QByteArray("TPF0") + Short("TSampleRect") + '\0' + Short("Tag") + "\x02\x07" + Short("Left")));
}

TEST_F(ComponentStream, RoundTripOfEveryKind)
{
    TSampleComponent source;
    source.SetName(QStringLiteral("Root"));
    source.SetNumber(-40000);
    source.SetColour(0x123456);
    source.SetBig(-5000000000LL);
    source.SetText(QStringLiteral("ラベル ① ～"));
    source.SetWide(QStringLiteral("한글"));
    source.SetRatio(-0.1);
    source.SetSingle(0.25);
    source.SetPrice(12.3456);
    source.SetWhen(45000.5);
    source.SetShape(TSampleShape::Ellipse);
    source.SetShapes(0b101);
    source.SetLetter('z');
    source.SetFlag(true);
    source.SetAlways(true);
    source.Font()->SetFontName(QStringLiteral("ＭＳ Ｐゴシック"));
    source.Font()->SetSize(12);
    source.Font()->SetCharset(128);
    for (int i = 0; i < 2; ++i) {
        auto* item = static_cast<TSampleItem*>(source.Items()->Add());
        item->SetTitle(QStringLiteral("曲%1").arg(i));
        item->SetCount(i * 300);
    }
    source.Lines()->SetLines({QStringLiteral("一行目"), QString(), QStringLiteral("€")});
    source.SetBlob(QByteArray("\0\1\2", 3));
    auto child = std::make_unique<TSampleComponent>();
    child->SetName(QStringLiteral("Child1"));
    child->SetNumber(5);
    source.SetLink(child.get());
    source.Children().push_back(std::move(child));

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    WriteComponentRes(buffer, QStringLiteral("LabelData"), source);
    buffer.seek(0);
    std::unique_ptr<TComponent> read = ReadComponentRes(buffer);
    auto* copy = dynamic_cast<TSampleComponent*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name(), QStringLiteral("Root"));
    EXPECT_EQ(copy->Number(), -40000);
    EXPECT_EQ(copy->Colour(), 0x123456);
    EXPECT_EQ(copy->Big(), -5000000000LL);
    EXPECT_EQ(copy->Text(), source.Text());
    EXPECT_EQ(copy->Wide(), source.Wide());
    EXPECT_DOUBLE_EQ(copy->Ratio(), -0.1);
    EXPECT_DOUBLE_EQ(copy->Single(), 0.25);
    EXPECT_DOUBLE_EQ(copy->Price(), 12.3456);
    EXPECT_DOUBLE_EQ(copy->When(), 45000.5);
    EXPECT_EQ(copy->Shape(), TSampleShape::Ellipse);
    EXPECT_EQ(copy->Shapes(), 0b101);
    EXPECT_EQ(copy->Letter(), 'z');
    EXPECT_TRUE(copy->Flag());
    EXPECT_TRUE(copy->Always());
    EXPECT_EQ(copy->Font()->FontName(), source.Font()->FontName());
    EXPECT_EQ(copy->Font()->Size(), 12);
    EXPECT_EQ(copy->Font()->Charset(), 128);
    ASSERT_EQ(copy->Items()->Count(), 2);
    EXPECT_EQ(copy->Items()->ItemAs<TSampleItem>(1)->Title(), QStringLiteral("曲1"));
    EXPECT_EQ(copy->Items()->ItemAs<TSampleItem>(1)->Count(), 300);
    EXPECT_EQ(copy->Lines()->Lines(), source.Lines()->Lines());
    EXPECT_EQ(copy->Blob(), source.Blob());
    ASSERT_EQ(copy->Children().size(), 1u);
    EXPECT_EQ(copy->Link(), copy->Children()[0].get());
    EXPECT_EQ(static_cast<TSampleComponent*>(copy->Children()[0].get())->Number(), 5);
    EXPECT_TRUE(buffer.atEnd());
}

TEST_F(ComponentStream, ResourceHeader)
{
    TSampleComponent component;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteComponentRes(buffer, QStringLiteral("LabelData"), component);
    const QByteArray bytes = buffer.data();
    const QByteArray header = QByteArray("\xff\x0a\x00LABELDATA\x00\x30\x10", 15);
    ASSERT_TRUE(bytes.startsWith(header));
    EXPECT_EQ(bytes.mid(15, 4), LE(bytes.size() - 19, 4));
    EXPECT_EQ(bytes.mid(19), ComponentBytes(component));

    QBuffer longName;
    longName.open(QIODevice::WriteOnly);
    WriteComponentRes(longName, QString(70, QLatin1Char('n')), component);
    EXPECT_EQ(longName.data().indexOf('\0', 3), 3 + 63);
}

TEST_F(ComponentStream, FormatErrors)
{
    const QByteArray record = ComponentBytes(TSampleComponent());
    const QByteArray body = record.mid(4 + 1 + 16 + 1); // after signature, class and name
    struct Case {
        const char* what;
        QByteArray bytes;
        bool resource;
        QString error;
    };
    const QString format = QStringLiteral("不正なストリーム フォーマット");
    const QString readError = QStringLiteral("ストリームからの読み込みエラー");
    const Case cases[] = {
        {"resource marker", QByteArray("\xfe\x0a\x00N\x00\x30\x10\0\0\0\0", 11) + record, true, format},
        {"resource type", QByteArray("\xff\x0b\x00N\x00\x30\x10\0\0\0\0", 11) + record, true, format},
        {"signature", "TPF1" + record.mid(4), false, format},
        {"unknown class", "TPF0" + Short("TNoSuchClass") + '\0' + body, false,
         QStringLiteral("クラス TNoSuchClass が見つかりません")},
        {"unknown property", "TPF0" + Short("TSampleComponent") + '\0' + Short("Nope") + "\x02\x01" + body, false,
         QStringLiteral("プロパティが存在しません")},
        {"unknown sub-object", "TPF0" + Short("TSampleComponent") + '\0' + Short("Nope.Name") + "\x02\x01" + body, false,
         QStringLiteral("プロパティが存在しません")},
        {"wrong kind", "TPF0" + Short("TSampleComponent") + '\0' + Short("Number") + "\x06\x01x" + body, false,
         QStringLiteral("不正なプロパティの値です")},
        {"unknown identifier", "TPF0" + Short("TSampleComponent") + '\0' + Short("Shape") + "\x07\x04ssNo" + body, false,
         QStringLiteral("不正なプロパティの値です")},
        {"truncated", record.left(record.size() - 3), false, readError},
        {"huge long string", "TPF0" + Short("TSampleComponent") + '\0' + Short("Text") + "\x0c\xf0\xff\xff\xff" + "abc", false,
         readError},
        {"huge binary", "TPF0" + Short("TSampleComponent") + '\0' + Short("Blob") + "\x0a\xf0\xff\xff\x7f" + "abc", false,
         readError},
        {"unknown tag", "TPF0" + Short("TSampleComponent") + '\0' + Short("Number") + "\x7f", false,
         QStringLiteral("不正なプロパティの値です")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadError(c.bytes, c.resource), c.error) << c.what;
}

TEST_F(ComponentStream, DeepNestingIsRefused)
{
    QByteArray bytes = "TPF0";
    const int depth = 10000;
    for (int i = 0; i < depth; ++i)
        bytes += Short("TSampleComponent") + '\0' + Short("Always") + "\x09" + '\0';
    EXPECT_EQ(ReadError(bytes), QStringLiteral("不正なストリーム フォーマット"));
}

TEST_F(ComponentStream, ObjectReaderCreatesRootAndChildrenByName)
{
    TSampleRect rect({1, 2, 3, 4});
    rect.SetHint(QStringLiteral("ヒント"));
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    WriteComponentRes(buffer, QStringLiteral("Info"), rect);
    buffer.seek(0);
    std::unique_ptr<TComponent> read = ReadObject(buffer);
    auto* copy = dynamic_cast<TSampleRect*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BoundsRect(), TRect(1, 2, 3, 4));
    EXPECT_EQ(copy->Hint(), QStringLiteral("ヒント"));
}

TEST(ObjectCreator, MapsOldClassNamesToCurrentClasses)
{
    const std::pair<const char*, const char*> cases[] = {
        {"TLOImage", "TLOWizardImage"}, {"TLOImagePaste", "TLOWizardImage"}, {"TLOBitmapPaste", "TLOWizardImage"},
        {"TLOMetafilePaste", "TLOWizardImage"}, {"TLOOnePoint", "TLOWizardImage"}, {"TLOTwain", "TLOWizardImage"},
        {"TLOText", "TLOText"}, {"TLOTextPaste", "TLOText"}, {"TLOShadeText", "TLOText"}, {"TLOWizardText", "TLOText"},
        {"TLOOLEPaste", "TLOOLE"}, {"TLOArrangedImage", "TLOArrangedImage"}, {"TLOBackImage", "TLOBackImage"},
        {"TLOQRCode", "TLOQRCode"},
    };
    for (const auto& [old, current] : cases)
        EXPECT_EQ(CurrentObjectClassName(old), QByteArray(current)) << old;
}

TEST(ComponentStreamSite, SiteReadsItsObjectsInOrderAndIsUnmodified)
{
    RegisterClass(TSampleRect::StaticClassInfo());
    RegisterClass(TDrawSiteModel::StaticClassInfo());
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(1000, 800);
    auto* a = site.AddObject(std::make_unique<TSampleRect>(TRect{0, 0, 10, 10}));
    site.AddObject(std::make_unique<TSampleRect>(TRect{5, 5, 50, 50}));
    a->SetName(QStringLiteral("A"));

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    WriteComponent(buffer, site);
    buffer.seek(0);
    TDrawSiteModel copy;
    ReadComponent(buffer, copy);
    EXPECT_EQ(copy.LogWidth(), 1000);
    EXPECT_EQ(copy.LogHeight(), 800);
    ASSERT_EQ(copy.ObjectCount(), 2);
    EXPECT_EQ(copy.Object(0)->Name(), QStringLiteral("A"));
    EXPECT_EQ(static_cast<TSampleRect*>(copy.Object(1))->BoundsRect(), TRect(5, 5, 50, 50));
    EXPECT_FALSE(copy.Modified());
    EXPECT_FALSE(copy.Object(1)->PixelBounds().isEmpty());
}

namespace {

// A buffer that counts the calls reaching it.
class CountingBuffer : public QBuffer {
public:
    int reads = 0;
    int writes = 0;

protected:
    qint64 readData(char* data, qint64 size) override
    {
        ++reads;
        return QBuffer::readData(data, size);
    }
    qint64 writeData(const char* data, qint64 size) override
    {
        ++writes;
        return QBuffer::writeData(data, size);
    }
};

// A device that can only be read forwards, like a pipe.
class SequentialDevice : public QIODevice {
public:
    explicit SequentialDevice(const QByteArray& bytes) : bytes_(bytes) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return bytes_.size() - at_; }

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const qint64 count = std::min(size, bytes_.size() - at_);
        std::memcpy(data, bytes_.constData() + at_, static_cast<std::size_t>(count));
        at_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 at_ = 0;
};

// A component with many properties and children, written as a document stream.
std::unique_ptr<TSampleComponent> ManyValues(int children, int textBytes = 10)
{
    auto root = std::make_unique<TSampleComponent>();
    root->SetText(QString(textBytes, QLatin1Char('t')));
    for (int i = 0; i < children; ++i) {
        auto child = std::make_unique<TSampleComponent>();
        child->SetNumber(i * 1000);
        child->SetText(QStringLiteral("子%1").arg(i));
        child->Lines()->SetLines({QStringLiteral("a"), QStringLiteral("b")});
        root->Children().push_back(std::move(child));
    }
    return root;
}

} // namespace

TEST_F(ComponentStream, DeviceSeesFewLargeCalls)
{
    const auto source = ManyValues(200);
    CountingBuffer buffer;
    buffer.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    WriteComponentRes(buffer, QStringLiteral("LabelData"), *source);
    const qint64 written = buffer.size();
    ASSERT_GT(written, 4000);
    EXPECT_LE(buffer.writes, 1); // the size field is patched before the bytes go out
    buffer.seek(0);
    buffer.reads = 0;
    const std::unique_ptr<TComponent> read = ReadComponentRes(buffer);
    EXPECT_LE(buffer.reads, 2);
    ASSERT_EQ(static_cast<TSampleComponent*>(read.get())->Children().size(), 200u);
    EXPECT_EQ(buffer.pos(), written);
}

TEST_F(ComponentStream, LargeComponentsCrossTheBufferBlocks)
{
    // Larger than the writer's and reader's blocks: the size field is patched in the device.
    const auto source = ManyValues(1000, 70000);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    buffer.write("lead");
    WriteComponentRes(buffer, QStringLiteral("Info"), *source);
    const QByteArray bytes = buffer.data();
    ASSERT_GT(bytes.size(), 140000);
    const qsizetype header = 4 + 3 + 5 + 2;
    EXPECT_EQ(bytes.mid(header, 4), LE(bytes.size() - header - 4, 4));
    buffer.seek(4);
    const std::unique_ptr<TComponent> read = ReadComponentRes(buffer);
    auto* copy = static_cast<TSampleComponent*>(read.get());
    EXPECT_EQ(copy->Text(), source->Text());
    ASSERT_EQ(copy->Children().size(), 1000u);
    EXPECT_EQ(static_cast<TSampleComponent*>(copy->Children()[999].get())->Number(), 999000);
    EXPECT_TRUE(buffer.atEnd());
}

TEST_F(ComponentStream, ReaderLeavesTheDeviceAfterWhatItConsumed)
{
    // Two records back to back, then trailing bytes: each read ends where its record does,
    // however far the reader read ahead; a sequential device is not read beyond the record.
    TSampleComponent first;
    first.SetNumber(1);
    TSampleComponent second;
    second.SetNumber(2);
    const QByteArray bytes = ComponentResBytes(QStringLiteral("A"), first) + ComponentBytes(second) + "tail";
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    SequentialDevice pipe(bytes);
    for (QIODevice* device : {static_cast<QIODevice*>(&buffer), static_cast<QIODevice*>(&pipe)}) {
        TSampleComponent a;
        ReadComponentRes(*device, a);
        TSampleComponent b;
        ReadComponent(*device, b);
        EXPECT_EQ(a.Number(), 1) << device->isSequential();
        EXPECT_EQ(b.Number(), 2) << device->isSequential();
        EXPECT_EQ(device->readAll(), QByteArray("tail")) << device->isSequential();
    }
}

TEST_F(ComponentStream, FailedReadDoesNotLeaveTheInstanceLoading)
{
    const QByteArray record = ComponentBytes(TSampleComponent());
    TSampleComponent instance;
    QBuffer buffer;
    buffer.setData(record.left(record.size() - 1));
    buffer.open(QIODevice::ReadOnly);
    EXPECT_THROW(ReadComponent(buffer, instance), EAppError);
    EXPECT_FALSE(instance.IsLoading());
}
