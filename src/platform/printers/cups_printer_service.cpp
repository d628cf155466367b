#include "platform/printers/cups_printer_service.h"

#include "platform/platform_error.h"
#include "platform/printers/ppd.h"

#include <QFile>

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/cups.h>
#include <cups/ppd.h>

#include <unistd.h>

namespace {

QString Option(const cups_dest_t& dest, const char* name)
{
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value ? QString::fromUtf8(value) : QString();
}

QString LastError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// A destination by name, released on scope exit.
class TNamedDest {
public:
    explicit TNamedDest(const QString& queue)
        : dest_(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr))
    {
        if (!dest_)
            throw EPlatformError(QStringLiteral("プリンタ「%1」が見つかりません: %2").arg(queue, LastError()));
    }
    ~TNamedDest()
    {
        if (info_)
            cupsFreeDestInfo(info_);
        cupsFreeDests(1, dest_);
    }
    TNamedDest(const TNamedDest&) = delete;
    TNamedDest& operator=(const TNamedDest&) = delete;

    cups_dest_t* Dest() const { return dest_; }
    cups_dinfo_t* Info()
    {
        if (!info_)
            info_ = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest_);
        return info_;
    }

private:
    cups_dest_t* dest_;
    cups_dinfo_t* info_ = nullptr;
};

// Options for one job, freed on scope exit.
class TJobOptions {
public:
    ~TJobOptions() { cupsFreeOptions(count_, options_); }
    void Add(const QString& name, const QString& value)
    {
        count_ = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count_, &options_);
    }
    int Count() const { return count_; }
    cups_option_t* Options() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

} // namespace

std::vector<TQueueInfo> TCupsPrinterService::Queues()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<TQueueInfo> queues;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        if (dest.instance)
            continue; // the user's named option sets are not queues of their own
        queues.push_back({QString::fromUtf8(dest.name), Option(dest, "printer-make-and-model"),
                          Option(dest, "device-uri"), Option(dest, "printer-location"), dest.is_default != 0});
    }
    cupsFreeDests(count, dests);
    return queues;
}

std::unique_ptr<TPpd> TCupsPrinterService::Ppd(const QString& queue)
{
    char path[1024] = "";
    time_t modified = 0;
    const http_status_t status =
        cupsGetPPD3(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), &modified, path, sizeof path);
    if (status == HTTP_STATUS_NOT_FOUND)
        return nullptr;
    if (status != HTTP_STATUS_OK) {
        if (path[0])
            unlink(path);
        throw EPlatformError(QStringLiteral("プリンタ「%1」の定義ファイルを取得できません: %2").arg(queue, LastError()));
    }
    const QString file = QFile::decodeName(path);
    try {
        auto ppd = std::make_unique<TPpd>(file);
        unlink(path);
        return ppd;
    } catch (...) {
        unlink(path);
        throw;
    }
}

std::vector<QString> TCupsPrinterService::MediaSources(const QString& queue)
{
    TNamedDest dest(queue);
    std::vector<QString> sources;
    if (!dest.Info())
        return sources;
    ipp_attribute_t* supported = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest.Dest(), dest.Info(), "media-source");
    for (int i = 0; supported && i < ippGetCount(supported); ++i)
        if (const char* value = ippGetString(supported, i, nullptr))
            sources.push_back(QString::fromUtf8(value));
    return sources;
}

int TCupsPrinterService::Submit(const TPrintJobRequest& request)
{
    QFile document(request.FilePath);
    if (!document.open(QIODevice::ReadOnly))
        throw EPlatformError(QStringLiteral("印刷するファイルを開けません: %1").arg(request.FilePath));

    TNamedDest dest(request.Queue);
    TJobOptions options;
    for (const auto& [name, value] : request.Options)
        options.Add(name, value);
    if (request.Copies > 1)
        options.Add(QStringLiteral("copies"), QString::number(request.Copies));

    int job = 0;
    if (cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest.Dest(), dest.Info(), &job, request.Title.toUtf8().constData(),
                          options.Count(), options.Options()) != IPP_STATUS_OK)
        throw EPlatformError(QStringLiteral("印刷ジョブを作成できません: %1").arg(LastError()));

    const auto cancel = [&](const QString& message) {
        const QString reason = LastError();
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest.Dest(), job);
        throw EPlatformError(message.arg(reason));
    };
    const QByteArray title = request.Title.toUtf8();
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest.Dest(), dest.Info(), job, title.constData(),
                              request.MimeType.toUtf8().constData(), 0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        cancel(QStringLiteral("印刷データを送れません: %1"));
    while (!document.atEnd()) {
        const QByteArray chunk = document.read(64 * 1024);
        if (chunk.isEmpty() ||
            cupsWriteRequestData(CUPS_HTTP_DEFAULT, chunk.constData(), static_cast<size_t>(chunk.size())) !=
                HTTP_STATUS_CONTINUE) {
            cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest.Dest(), dest.Info());
            cancel(QStringLiteral("印刷データを送れません: %1"));
        }
    }
    if (cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest.Dest(), dest.Info()) != IPP_STATUS_OK)
        cancel(QStringLiteral("印刷データを送れません: %1"));
    return job;
}
