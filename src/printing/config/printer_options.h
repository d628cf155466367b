#pragma once
// TPrinterOptions: the printer settings the program keeps for a queue, the counterpart of a
// driver's device-mode record: the chosen choice of each printer-description option and the
// page orientation. They travel with each job; nothing is written to the queue or to the
// user's CUPS option files.
#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class TPrinterOptions {
public:
    // The chosen choice of an option, or an empty text when it is left to the default.
    QString Choice(const QString& keyword) const;
    void SetChoice(const QString& keyword, const QString& choice);
    void RemoveChoice(const QString& keyword);
    const std::map<QString, QString>& Choices() const { return choices_; }

    bool Landscape() const { return landscape_; }
    void SetLandscape(bool landscape) { landscape_ = landscape; }

    bool operator==(const TPrinterOptions& other) const = default;

    // One line for the settings: "orientation=portrait|landscape" and "keyword=choice"
    // pairs joined by "&", every part percent-encoded.
    QString ToSettingsString() const;
    // The options of a settings line, or nothing when the line is not one.
    static std::optional<TPrinterOptions> FromSettingsString(const QString& text);

    // The options as a job takes them: every choice and "orientation-requested".
    std::vector<std::pair<QString, QString>> JobOptions() const;

private:
    std::map<QString, QString> choices_;
    bool landscape_ = false;
};
