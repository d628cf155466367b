// "lumarest print" as a process: pages into a PDF file, and a non-zero exit with the reason
// when the job is refused.
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testsupport::RunProgram;

int Lumarest(const QStringList& arguments, QByteArray* errors = nullptr)
{
    return RunProgram(QStringLiteral(LUMAREST_PROGRAM), arguments, nullptr, 60000, errors);
}

} // namespace

TEST(PrintCommand, CopiesBecomePagesOfThePdfAndBadRequestsFailWithTheReason)
{
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("d.cld"));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(Lumarest({QStringLiteral("new"), QStringLiteral("-o"), document}), 0);
    ASSERT_EQ(Lumarest({QStringLiteral("print"), document, QStringLiteral("--to"), pdf, QStringLiteral("--copies"),
                        QStringLiteral("3")}),
              0);
    ASSERT_EQ(RunProgram(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("10"), QStringLiteral("-png"), pdf,
                                                      dir.filePath(QStringLiteral("page"))}),
              0);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("page*.png")}).size(), 3);

    QByteArray errors;
    EXPECT_EQ(Lumarest({QStringLiteral("print"), document, QStringLiteral("--to"), pdf, QStringLiteral("--level"),
                        QStringLiteral("4")},
                       &errors),
              1);
    EXPECT_TRUE(QString::fromUtf8(errors).contains(QStringLiteral("濃度"))) << errors.toStdString();
    EXPECT_EQ(Lumarest({QStringLiteral("print"), document, QStringLiteral("--to"), pdf, QStringLiteral("--copies"),
                        QStringLiteral("0")},
                       &errors),
              1);
    EXPECT_TRUE(QString::fromUtf8(errors).contains(QStringLiteral("部数"))) << errors.toStdString();
    EXPECT_EQ(Lumarest({QStringLiteral("print"), document}), 2);
}
