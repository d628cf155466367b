#include "private_cups.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <QElapsedTimer>
#include <cups/cups.h>
#include <vector>

#include "support/test_support.h"

namespace privatecups {

namespace {

QString CaptureDir()
{
    return qEnvironmentVariable("LUMAREST_CUPS_CAPTURE");
}

} // namespace

bool Available()
{
    if (CaptureDir().isEmpty() || qEnvironmentVariable("CUPS_SERVER").isEmpty())
        return false;
    const QString home = qEnvironmentVariable("LUMAREST_TEST_ROOT", QDir::tempPath()) + QStringLiteral("/printing-home");
    QDir().mkpath(home);
    qputenv("HOME", home.toUtf8());
    return true;
}

bool Exists(int jobId)
{
    return QFile::exists(CaptureDir() + QStringLiteral("/%1.args").arg(jobId));
}

std::optional<TCapturedJob> Captured(int jobId, int timeoutMs)
{
    const QString base = CaptureDir() + QStringLiteral("/%1").arg(jobId);
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(base + QStringLiteral(".args"))) {
        if (timer.elapsed() > timeoutMs)
            return std::nullopt;
        QThread::msleep(50);
    }
    QFile args(base + QStringLiteral(".args"));
    QFile data(base + QStringLiteral(".data"));
    if (!args.open(QIODevice::ReadOnly) || !data.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(args.readAll()).split(QLatin1Char('\n'));
    if (lines.size() < 5)
        return std::nullopt;
    TCapturedJob job;
    job.Title = lines[2];
    job.Copies = lines[3].toInt();
    for (const QString& option : lines[4].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (equals > 0)
            job.Options[option.left(equals)] = option.mid(equals + 1);
        else
            job.Options[option] = QStringLiteral("true");
    }
    job.Data = data.readAll();
    return job;
}

int JobCount(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

QString SamplePdf(const QString& path, int width, int height)
{
    const QByteArray content = "0 0 1 rg 10 10 50 50 re f";
    QByteArray pdf = "%PDF-1.4\n";
    std::vector<qsizetype> offsets;
    const auto object = [&](const QByteArray& body) {
        offsets.push_back(pdf.size());
        pdf += QByteArray::number(static_cast<int>(offsets.size())) + " 0 obj\n" + body + "\nendobj\n";
    };
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + QByteArray::number(width) + " " +
           QByteArray::number(height) + "] /Contents 4 0 R >>");
    object("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream");
    const qsizetype xref = pdf.size();
    const QByteArray count = QByteArray::number(static_cast<int>(offsets.size()) + 1);
    pdf += "xref\n0 " + count + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + count + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    testsupport::WriteFileBytes(path, pdf);
    return path;
}

} // namespace privatecups
