#pragma once
// TPpd: a queue's PostScript printer description, opened with libcups. It lists the options
// and their choices, the page sizes with their imageable areas and the custom-size range,
// and marks choices the way the driver will see them, so that conflicts can be found
// before a job exists. The file is treated as hostile: libcups parses it, and anything it
// refuses is reported as an EPlatformError.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct TPpdChoice {
    QString Name;
    QString Text;
};

struct TPpdOption {
    QString Keyword;
    QString Text;
    QString DefaultChoice;
    std::vector<TPpdChoice> Choices;

    bool HasChoice(const QString& choice) const;
};

// A page size in points (1/72 inch); the imageable area's corners are measured from the
// lower left corner of the page.
struct TPpdSize {
    QString Name;
    QString Text;
    double Width = 0;
    double Length = 0;
    double Left = 0;
    double Bottom = 0;
    double Right = 0;
    double Top = 0;
};

// The custom page size's range in points.
struct TPpdCustomRange {
    double MinWidth = 0;
    double MinLength = 0;
    double MaxWidth = 0;
    double MaxLength = 0;
};

class TPpd {
public:
    // Opens and parses the file; raises EPlatformError when it is not a readable PPD.
    explicit TPpd(const QString& path);
    ~TPpd();
    TPpd(const TPpd&) = delete;
    TPpd& operator=(const TPpd&) = delete;

    QString Manufacturer() const;
    QString ModelName() const;
    QString NickName() const;

    // Every option of the file, ordered by keyword.
    const std::vector<TPpdOption>& Options() const { return options_; }
    const TPpdOption* FindOption(const QString& keyword) const;

    // The fixed page sizes in the file's order.
    const std::vector<TPpdSize>& Sizes() const { return sizes_; }
    std::optional<TPpdCustomRange> CustomRange() const { return custom_; }

    // Marking: every option back to its default, then one choice at a time. A keyword or
    // choice that the file does not have is not marked (false). "PageSize" accepts
    // "Custom.<width>x<length>" (points) when the file has a custom size.
    void MarkDefaults();
    bool Mark(const QString& keyword, const QString& choice);
    // The marked choice of an option, or an empty text.
    QString Marked(const QString& keyword) const;
    // The options that take part in a conflict of the marked choices (empty: none).
    std::vector<QString> ConflictingOptions() const;

private:
    struct TFile;
    std::unique_ptr<TFile> file_;
    std::vector<TPpdOption> options_;
    std::vector<TPpdSize> sizes_;
    std::optional<TPpdCustomRange> custom_;
};
