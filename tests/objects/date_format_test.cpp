// Date texts: the offered formats for one date, the 12-hour clock, the empty format,
// Japanese weekdays under any process locale, and era names and years against glibc's
// own Japanese era table.
#include "objects/dates/date_format.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>

namespace {

const QDateTime kSample(QDate(2005, 1, 2), QTime(15, 4));

QString Offered(int index, const QDateTime& when = kSample)
{
    return FormatDate(OfferedDateFormats().at(index), when);
}

TEST(DateFormat, OffersFortyOneFormats)
{
    EXPECT_EQ(OfferedDateFormats().size(), 41);
}

TEST(DateFormat, FormatsTheSampleDate)
{
    const std::vector<std::pair<int, QString>> cases = {
        {0, "1月2日"},
        {1, "平成17年1月"},
        {3, "平成17年1月2日(日)"},
        {4, "平成17年1月2日(日曜日)"},
        {5, "平成17年1月2日 15時4分"},
        {10, "2005年1月2日(日) 15時4分"},
        {12, "2005/1/2"},
        {13, "2005/1/2 日"},
        {15, "2005/1/2 15:04"},
        {16, "2005/1/2 3:04 PM"},
        {20, "05/1/2"},
        {27, "2005-01-02"},
        {28, "January 2,2005"},
        {29, "Jan 2,2005"},
        {30, "JAN.2,2005"},
        {31, "January, 2005"},
        {35, "Jan-05"},
        {37, "2 January '05"},
        {38, "2 Jan ' 05"},
        {39, "2 JAN.'05"},
        {40, "2/01/05"},
    };
    for (const auto& [index, expected] : cases)
        EXPECT_EQ(Offered(index), expected) << "format " << index;
}

TEST(DateFormat, TwelveHourClockAroundMidnightAndNoon)
{
    EXPECT_EQ(Offered(16, QDateTime(QDate(2005, 1, 2), QTime(0, 30))), "2005/1/2 12:30 AM");
    EXPECT_EQ(Offered(16, QDateTime(QDate(2005, 1, 2), QTime(12, 0))), "2005/1/2 12:00 PM");
    // The letters keep the case they are written in; without AM/PM the clock has 24 hours.
    EXPECT_EQ(FormatDate("h:nn am/pm", QDateTime(QDate(2005, 1, 2), QTime(9, 5))), "9:05 am");
    EXPECT_EQ(FormatDate("hh:nn:ss", QDateTime(QDate(2005, 1, 2), QTime(0, 5, 7))), "00:05:07");
}

TEST(DateFormat, TheEmptyFormatIsTheShortDateAndTheLongTimeUnlessMidnight)
{
    EXPECT_EQ(FormatDate({}, kSample), "2005/01/02 15:04:00");
    EXPECT_EQ(FormatDate({}, QDateTime(QDate(2005, 1, 2), QTime(0, 0))), "2005/01/02");
}

TEST(DateFormat, WeekdaysAreJapaneseWhateverTheProcessLocale)
{
    const QByteArray lang = qgetenv("LANG");
    qputenv("LANG", "C");
    qputenv("LC_ALL", "C");
    EXPECT_EQ(FormatDate("ddd dddd aaa", kSample), "日 日曜日 日");
    EXPECT_EQ(FormatDate("ddd", kSample.addDays(1)), "月");
    qputenv("LANG", lang);
    qunsetenv("LC_ALL");
}

TEST(DateFormat, AFormatWhoseMacrosFailIsShownAsWritten)
{
    bool ok = true;
    EXPECT_EQ(FormatDate("$(NoSuchMonth) d", kSample, &ok), "$(NoSuchMonth) d");
    EXPECT_FALSE(ok);
    EXPECT_EQ(FormatDate("$(LongMonthA", kSample, &ok), "$(LongMonthA");
    EXPECT_FALSE(ok);
    EXPECT_EQ(FormatDate("$(LongMonthB) $(ShortMonthB) $(LongMonthC)", kSample, &ok), "january jan JANUARY");
    EXPECT_TRUE(ok);
}

// Era names and two-digit era years as glibc's Japanese locale writes them ("%EC%Ey"),
// from a locale compiled into a private folder.
class EraTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        compiled = testsupport::RunProgram("localedef", {"-i", "ja_JP", "-f", "UTF-8", folder->filePath("ja_JP.UTF-8")},
                                           nullptr, 120000) == 0;
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }

    static QString GlibcEra(QDate date)
    {
        QByteArray out;
        const QString command = QStringLiteral("LOCPATH='%1' LC_ALL=ja_JP.UTF-8 TZ=UTC date -d %2 +%EC%Ey")
                                    .arg(folder->path(), date.toString(Qt::ISODate));
        EXPECT_EQ(testsupport::RunProgram("/bin/sh", {"-c", command}, &out), 0);
        return QString::fromUtf8(out).trimmed();
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline bool compiled = false;
};

TEST_F(EraTest, BoundariesAndFirstYearsMatchGlibc)
{
    ASSERT_TRUE(compiled) << "localedef could not compile ja_JP";
    const std::vector<QDate> dates = {{1912, 7, 29}, {1912, 7, 30}, {1926, 12, 24}, {1926, 12, 25}, {1989, 1, 7},
                                      {1989, 1, 8},  {2019, 4, 30}, {2019, 5, 1},   {2019, 12, 31}, {1990, 1, 1}};
    for (const QDate& date : dates) {
        const QDateTime when(date, QTime(12, 0));
        EXPECT_EQ(FormatDate("ggee", when), GlibcEra(date)) << date.toString(Qt::ISODate).toStdString();
    }
}

TEST(DateFormat, EraSpecifiers)
{
    const QDateTime first(QDate(2019, 5, 1), QTime(0, 0));
    EXPECT_EQ(FormatDate("g|gg|ggg|e|ee", first), "令|令和|令和|1|01");
    EXPECT_EQ(Offered(2, first), "令和1年5月1日");
    EXPECT_EQ(JapaneseEra(QDate(1989, 1, 7)).Name, "昭和");
    EXPECT_EQ(JapaneseEra(QDate(1989, 1, 7)).Year, 64);
}

} // namespace
