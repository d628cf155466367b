#pragma once
// The private CUPS scheduler that the test runner starts (scripts/test-services.d/cups.sh):
// its queues, and the jobs its capture backend kept.
#include <QString>
#include <map>
#include <optional>

namespace privatecups {

// Whether the scheduler runs for this test run; tests that need it skip without it. Also
// points HOME at a private folder so that no user option file of the machine is read.
bool Available();

struct TCapturedJob {
    QString Title;
    int Copies = 0;
    std::map<QString, QString> Options;
    QByteArray Data;
};

// The job as the capture backend received it, waiting for it a bounded time.
std::optional<TCapturedJob> Captured(int jobId, int timeoutMs = 30000);
// Whether the capture backend has received anything for the job.
bool Exists(int jobId);

// The number of jobs the queue has had, finished ones included.
int JobCount(const QString& queue);

// Writes a one-page PDF of the given size in points, with a filled square on it.
QString SamplePdf(const QString& path, int width, int height);

} // namespace privatecups
