// The program's own command line: --help, --version, unknown commands and options and a
// missing document, each answered at once by the process without starting the designer;
// and how the designer's arguments are read.
#include "shell/command_line.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// A designer that starts by mistake never ends by itself: the short limit fails the run.
TRun Lumarest(const QStringList& arguments)
{
    TRun run;
    QByteArray out;
    QByteArray err;
    run.exitCode = testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM), arguments, &out, 20000, &err);
    run.out = QString::fromUtf8(out);
    run.err = QString::fromUtf8(err);
    return run;
}

} // namespace

TEST(ProgramOptions, HelpListsEveryCommandWithItsOptions)
{
    for (const char* option : {"--help", "help", "-h"}) {
        const TRun run = Lumarest({QString::fromLatin1(option)});
        EXPECT_EQ(run.exitCode, 0) << option;
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        for (const char* usage : {"lumarest [FILE.cld]", "papers [--json]", "new -o FILE.cld [--paper NAME]",
                                  "info [--json] FILE.cld", "export FILE.cld -o OUT.png|OUT.pdf [--sheet N]",
                                  "qr [--level L|M|Q|H]", "--version", "LUMAREST_NONINTERACTIVE"})
            EXPECT_TRUE(run.out.contains(QString::fromUtf8(usage))) << option << ": " << usage;
    }
}

TEST(ProgramOptions, CommandHelpPrintsItsUsage)
{
    const TRun run = Lumarest({QStringLiteral("info"), QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("使い方: lumarest info [--json] FILE.cld\n"));
}

TEST(ProgramOptions, VersionPrintsTheVersion)
{
    const TRun run = Lumarest({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Lumarest " LUMAREST_VERSION "\n"));
}

TEST(ProgramOptions, UnknownCommandsAndOptionsGiveTheUsageOnStandardError)
{
    const struct {
        QStringList arguments;
        const char* problem;
    } cases[] = {
        {{QStringLiteral("frobnicate")}, "不明なコマンドです: frobnicate"},
        {{QStringLiteral("--bogus")}, "不明なオプションです: --bogus"},
        {{QStringLiteral("-x"), QStringLiteral("doc.cld")}, "不明なオプションです: -x"},
        {{QStringLiteral("doc.cld"), QStringLiteral("--json")}, "不明なオプションです: --json"},
    };
    for (const auto& c : cases) {
        const TRun run = Lumarest(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.problem;
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.problem))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("使い方: lumarest"))) << run.err.toStdString();
    }
}

TEST(ProgramOptions, MissingDocumentIsReportedWithoutStartingWhenNonInteractive)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("ない.cld"));
    qputenv("LUMAREST_NONINTERACTIVE", "1");
    const TRun run = Lumarest({missing});
    qunsetenv("LUMAREST_NONINTERACTIVE");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("lumarest: ファイル「%1」が見つかりません\n").arg(missing));
}

TEST(CommandLine, DesignerArgumentsPassQtOptionsThrough)
{
    using TKind = TCommandLine::TKind;
    const struct {
        QStringList arguments;
        TKind kind;
        const char* file;
    } cases[] = {
        {{}, TKind::Designer, ""},
        {{QStringLiteral("a.cld")}, TKind::Designer, "a.cld"},
        {{QStringLiteral("dir/a")}, TKind::Designer, "dir/a"},
        {{QStringLiteral("a.cld"), QStringLiteral("b.cld")}, TKind::Designer, "a.cld"},
        {{QStringLiteral("-session"), QStringLiteral("1a2b"), QStringLiteral("a.cld")}, TKind::Designer, "a.cld"},
        {{QStringLiteral("--style"), QStringLiteral("fusion"), QStringLiteral("-reverse")}, TKind::Designer, ""},
        {{QStringLiteral("help")}, TKind::Help, ""},
        {{QStringLiteral("--version")}, TKind::Version, ""},
        {{QStringLiteral("a.cld"), QStringLiteral("--version")}, TKind::Usage, ""},
        {{QStringLiteral("word")}, TKind::Usage, ""},
    };
    for (const auto& c : cases) {
        const TCommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.Kind, c.kind) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(line.File, QString::fromUtf8(c.file));
        EXPECT_EQ(line.Problem.isEmpty(), c.kind != TKind::Usage);
    }
}
