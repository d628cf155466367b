// Date fields: the lines follow Format and Date, unchanged values notify nothing, the
// stream carries Format, Date and UpdateFlag after the text and reads back byte for byte,
// a broken format opens, and a date inside a group takes the document's date on open.
#include "stand_in_objects.h"

#include "catalogue/paper/free_paper_info.h"
#include "core/persistent/string_list.h"
#include "core/stream/component_stream.h"
#include "document/label_data.h"
#include "objects/dates/date_object.h"
#include "objects/groups/group_classes.h"
#include "objects/groups/group_object.h"

#include <ctime>

namespace {

class DateObjectTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Local dates are stored as day numbers; a fixed zone keeps the conversions fixed.
        qputenv("TZ", "Asia/Tokyo");
        tzset();
    }
    void SetUp() override
    {
        RegisterDocumentClasses();
        RegisterGroupClasses();
        RegisterStandInObjects();
    }

    static std::unique_ptr<TLODate> MakeDate(const QString& format, const QDateTime& when)
    {
        auto date = std::make_unique<TLODate>();
        date->SetBoundsRect({10, 10, 300, 60});
        date->SetFormat(format);
        date->SetDate(when);
        return date;
    }
};

const QDateTime kWhen(QDate(2005, 1, 2), QTime(15, 4));

TEST_F(DateObjectTest, LinesFollowFormatAndDate)
{
    std::unique_ptr<TLODate> date = MakeDate(QStringLiteral("yyyy\"/\"m\"/\"d"), kWhen);
    EXPECT_EQ(date->Text()->Lines(), QStringList{"2005/1/2"});
    date->SetFormat(QStringLiteral("m\"月\"d\"日\""));
    EXPECT_EQ(date->Text()->Lines(), QStringList{"1月2日"});
    date->SetDate(kWhen.addDays(1));
    EXPECT_EQ(date->Text()->Lines(), QStringList{"1月3日"});
    EXPECT_EQ(date->Date(), kWhen.addDays(1));
}

TEST_F(DateObjectTest, UnchangedValuesSendNothingAndTheFlagSignalsAChange)
{
    std::unique_ptr<TLODate> date = MakeDate(QStringLiteral("d"), kWhen);
    int changes = 0;
    date->SetOnModify([&](TDrawObject*) { ++changes; });
    date->SetDate(kWhen);
    date->SetFormat(QStringLiteral("d"));
    EXPECT_EQ(changes, 0);
    date->SetUpdateFlag(TDateUpdateFlag::dufPrint);
    EXPECT_EQ(changes, 1);
    date->SetUpdateFlagValue(7);
    EXPECT_EQ(date->UpdateFlag(), TDateUpdateFlag::dufPrint);
}

TEST_F(DateObjectTest, StreamsTheDateAfterTheTextAndReadsBackByteForByte)
{
    std::unique_ptr<TLODate> date = MakeDate(QStringLiteral("yyyy\"-\"mm\"-\"dd"), kWhen);
    date->SetUpdateFlag(TDateUpdateFlag::dufSave);
    // A stale text in the stream is replaced as soon as the format is read.
    date->Text()->SetLines({QStringLiteral("古い文字")});
    const QByteArray bytes = ComponentBytes(*date);
    // Property names are short strings: a length byte, then the name.
    const int text = bytes.indexOf("\x0CText.Strings");
    const int format = bytes.indexOf("\x06" "Format");
    const int when = bytes.indexOf("\x04" "Date");
    const int flag = bytes.indexOf("\x0AUpdateFlag");
    EXPECT_GT(text, 0);
    EXPECT_LT(text, format);
    EXPECT_LT(format, when);
    EXPECT_LT(when, flag);
    EXPECT_GT(bytes.indexOf("dufSave"), flag);

    std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
    auto* copy = dynamic_cast<TLODate*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Text()->Lines(), QStringList{"2005-01-02"});
    EXPECT_EQ(copy->Date(), kWhen);
    EXPECT_EQ(copy->UpdateFlag(), TDateUpdateFlag::dufSave);
    const QByteArray again = ComponentBytes(*copy);
    EXPECT_EQ(ComponentBytes(*ReadComponentBytes(again)), again);
}

TEST_F(DateObjectTest, ABrokenFormatShowsItselfAndStillOpens)
{
    std::unique_ptr<TLODate> date = MakeDate(QStringLiteral("$(Undefined) d"), kWhen);
    EXPECT_EQ(date->Text()->Lines(), QStringList{"$(Undefined) d"});
    EXPECT_FALSE(date->FormatExpanded());
    std::unique_ptr<TComponent> read;
    EXPECT_NO_THROW(read = ReadComponentBytes(ComponentBytes(*date)));
    auto* copy = dynamic_cast<TLODate*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Format(), "$(Undefined) d");
    EXPECT_FALSE(copy->FormatExpanded());
    copy->SetFormat(QStringLiteral("d"));
    EXPECT_TRUE(copy->FormatExpanded());
}

TEST_F(DateObjectTest, AssignCopiesFormatDateAndFlag)
{
    std::unique_ptr<TLODate> source = MakeDate(QStringLiteral("yy"), kWhen);
    source->SetUpdateFlag(TDateUpdateFlag::dufOpen);
    TLODate target;
    target.Assign(*source);
    EXPECT_EQ(ComponentBytes(target), ComponentBytes(*source));
}

TEST_F(DateObjectTest, DatesInsideGroupsTakeTheDocumentsDateOnOpen)
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(2100);
    paper->SetHeight(2970);
    paper->SetPaperName(QStringLiteral("テスト用紙"));
    TFaceItem* face = paper->Faces()->AddFace();
    face->SetFaceRect({100, 100, 900, 900});
    face->SetFaceShape(fsRect);
    TLabelData document;
    document.SetPaper(*paper);

    auto inner = std::make_unique<TDOGroup>();
    TLODate* nested = static_cast<TLODate*>(inner->AddMember(MakeDate(QStringLiteral("yyyy\"/\"m\"/\"d"), kWhen)));
    nested->SetUpdateFlag(TDateUpdateFlag::dufSave);
    TDOGroup group;
    group.AddMember(std::make_unique<TStandInBox>(TRect(100, 100, 200, 200)));
    group.AddMember(std::move(inner));
    std::unique_ptr<TLODate> broken = MakeDate(QStringLiteral("$(Undefined)"), kWhen);
    document.SaveObjects(0, {&group, broken.get()});

    const QDateTime saved(QDate(2026, 3, 4), QTime(5, 6, 7));
    document.SetLastSave(saved);
    std::vector<std::unique_ptr<TDrawObject>> objects;
    ASSERT_NO_THROW(objects = document.LoadObjects(0));
    ASSERT_EQ(objects.size(), 2u);
    auto* loaded = dynamic_cast<TDOGroup*>(objects[1].get());
    ASSERT_NE(loaded, nullptr);
    auto* loadedInner = dynamic_cast<TDOGroup*>(&loaded->Member(1));
    ASSERT_NE(loadedInner, nullptr);
    auto* loadedDate = dynamic_cast<TLODate*>(&loadedInner->Member(0));
    ASSERT_NE(loadedDate, nullptr);
    EXPECT_EQ(loadedDate->Date(), saved);
    EXPECT_EQ(loadedDate->Text()->Lines(), QStringList{"2026/3/4"});
    auto* loadedBroken = dynamic_cast<TLODate*>(objects[0].get());
    ASSERT_NE(loadedBroken, nullptr);
    EXPECT_EQ(loadedBroken->Text()->Lines(), QStringList{"$(Undefined)"});
}

} // namespace
