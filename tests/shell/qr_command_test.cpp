// "lumarest qr" run as a process: its symbols decode (zbarimg) to exactly the payload
// bytes, its matrix output is the encoder's, and refused payloads and bad options fail
// with a message.
#include "objects/qr/qr_code.h"
#include "support/test_support.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

using testsupport::RunProgram;

struct TRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

TRun RunQr(const QStringList& arguments)
{
    TRun run;
    run.exitCode = RunProgram(QStringLiteral(LUMAREST_PROGRAM), QStringList{QStringLiteral("qr")} + arguments, &run.out,
                              60000, &run.err);
    return run;
}

// The payload bytes that zbarimg reads from a PNG file.
QByteArray Decode(const QString& png)
{
    QByteArray out;
    EXPECT_EQ(RunProgram(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sbinary"), png}, &out),
              0);
    return out;
}

QByteArray RandomBytes(int length, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(length, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() % 256);
    return bytes;
}

} // namespace

TEST(QrCommand, TextDecodesToItsShiftJISBytes)
{
    QTemporaryDir dir;
    struct Case { QString text; QByteArray bytes; };
    const Case cases[] = {
        {QStringLiteral("HELLO WORLD"), "HELLO WORLD"},
        {QStringLiteral("12345678"), "12345678"},
        {QStringLiteral("MECARD:N:Lumarest;TEL:0312345678;;"), "MECARD:N:Lumarest;TEL:0312345678;;"},
        {QStringLiteral("ラベル 漢字"), QByteArray::fromHex("83898378838b20" "8abf8e9a")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QString png = dir.filePath(QStringLiteral("text.png"));
        const TRun run = RunQr({c.text, QStringLiteral("-o"), png});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(Decode(png), c.bytes);
    }
}

// The largest payloads of version 40 in every mode at levels L and H, from files.
TEST(QrCommand, LargestPayloadsDecodeToTheirBytes)
{
    QTemporaryDir dir;
    const QByteArray digits = QByteArray("0123456789").repeated(709);
    const QByteArray alphanumerics = QByteArray("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:").repeated(96);
    const QByteArray bytes = RandomBytes(2953, 7);
    struct Case { QByteArray payload; const char* level; const char* mode; };
    const Case cases[] = {
        {digits.left(7089), "L", "0"}, {alphanumerics.left(4296), "L", "A"}, {bytes, "L", "8"},
        {digits.left(3057), "H", "0"}, {alphanumerics.left(1852), "H", "A"}, {bytes.left(1273), "H", "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.payload.size() << " at " << c.level);
        const QString file = dir.filePath(QStringLiteral("payload.bin"));
        const QString png = dir.filePath(QStringLiteral("symbol.png"));
        testsupport::WriteFileBytes(file, c.payload);
        const TRun run = RunQr({QStringLiteral("--level"), QLatin1String(c.level), QStringLiteral("--file"), file,
                                QStringLiteral("-o"), png, QStringLiteral("--scale"), QStringLiteral("4")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(QByteArray("version 40 level ") + c.level + " mask ") &&
                    run.out.endsWith(QByteArray(" mode ") + c.mode + "\n"))
            << run.out.toStdString();
        EXPECT_EQ(Decode(png), c.payload);

        // One byte more has no symbol.
        testsupport::WriteFileBytes(file, c.payload + c.payload.left(1));
        const TRun refused = RunQr({QStringLiteral("--level"), QLatin1String(c.level), QStringLiteral("--file"), file});
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_TRUE(refused.err.contains(QStringLiteral("最大のバージョン40にも収まりません").toUtf8())) << refused.err.toStdString();
    }
}

TEST(QrCommand, PrintsTheEncodersMatrix)
{
    const TRun run = RunQr({QStringLiteral("--level"), QStringLiteral("Q"), QStringLiteral("--version"), QStringLiteral("7"),
                            QStringLiteral("--mask"), QStringLiteral("3"), QStringLiteral("--mode"), QStringLiteral("A"),
                            QStringLiteral("--matrix"), QStringLiteral("LUMAREST 2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    TQRCode code;
    code.SetPayload("LUMAREST 2");
    code.SetErrorCorrectLevel('Q');
    code.SetAutoVersion(false);
    code.SetVersion(7);
    code.SetAutoMask(false);
    code.SetMaskNo(3);
    code.SetAutoEncodeMode(false);
    code.SetEncodeMode('A');
    ASSERT_TRUE(code.Encode());
    QByteArray expected = "version 7 level Q mask 3 mode A\n";
    for (int y = 0; y < code.Matrix().Size(); ++y) {
        for (int x = 0; x < code.Matrix().Size(); ++x)
            expected += code.Matrix().IsDark(x, y) ? '1' : '0';
        expected += '\n';
    }
    EXPECT_EQ(run.out, expected);
}

TEST(QrCommand, WritesEachModuleScalePixelsWithTheMargin)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("scaled.png"));
    const TRun run = RunQr({QStringLiteral("--margin"), QStringLiteral("2"), QStringLiteral("--scale"), QStringLiteral("3"),
                            QStringLiteral("--matrix"), QStringLiteral("-o"), png, QStringLiteral("12345678")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> rows = run.out.trimmed().split('\n').mid(1);
    ASSERT_EQ(rows.size(), 21);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize((21 + 4) * 3, (21 + 4) * 3));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int mx = x / 3 - 2;
            const int my = y / 3 - 2;
            const bool dark = mx >= 0 && my >= 0 && mx < 21 && my < 21 && rows[my][mx] == '1';
            ASSERT_EQ(qGray(image.pixel(x, y)), dark ? 0 : 255) << x << "," << y;
        }
}

TEST(QrCommand, RefusesWithAReasonAndNoFile)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("refused.png"));
    const QString huge = dir.filePath(QStringLiteral("huge.bin"));
    testsupport::WriteFileBytes(huge, QByteArray(1 << 20, '1'));
    struct Case { QStringList arguments; QString reason; };
    const Case cases[] = {
        {{QStringLiteral("--version"), QStringLiteral("1"), QString(15, QLatin1Char('x'))},
         QStringLiteral("バージョン1・誤り訂正レベルMのQRコードに収まりません")},
        {{QStringLiteral("--mode"), QStringLiteral("0"), QStringLiteral("12A")}, QStringLiteral("数字モードでは数字以外")},
        {{QStringLiteral("--file"), huge}, QStringLiteral("最大のバージョン40にも収まりません")},
        {{QStringLiteral("価格€")}, QStringLiteral("Shift-JIS で表せない文字が含まれています: €")},
        {{QStringLiteral("--file"), dir.filePath(QStringLiteral("missing.bin"))}, QStringLiteral("ファイルを読み込めません")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).left(60).toStdString());
        const TRun run = RunQr(c.arguments + QStringList{QStringLiteral("-o"), png});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.reason)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(png));
    }
}

TEST(QrCommand, RejectsBadOptionsWithUsageStatus)
{
    const QStringList cases[] = {
        {},
        {QStringLiteral("--level"), QStringLiteral("X"), QStringLiteral("A")},
        {QStringLiteral("--version"), QStringLiteral("41"), QStringLiteral("A")},
        {QStringLiteral("--mask"), QStringLiteral("8"), QStringLiteral("A")},
        {QStringLiteral("--mode"), QStringLiteral("K"), QStringLiteral("A")},
        {QStringLiteral("--margin"), QStringLiteral("-1"), QStringLiteral("A")},
        {QStringLiteral("--scale"), QStringLiteral("0"), QStringLiteral("A")},
        {QStringLiteral("--unknown"), QStringLiteral("A")},
        {QStringLiteral("A"), QStringLiteral("B")},
        {QStringLiteral("A"), QStringLiteral("--file"), QStringLiteral("f.bin")},
        {QStringLiteral("A"), QStringLiteral("--level")},
    };
    for (const QStringList& arguments : cases) {
        const TRun run = RunQr(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
}
