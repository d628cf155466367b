#pragma once
// TPaperPrintSetting: writes a paper into a printer configuration: the page size and
// orientation, the media type by the catalogue's rules, and for a disc the tray source,
// the disc page, the diameters (never beyond the disc, never into its hole), hub printing,
// the disc media and the fine offset. A disc never falls back to the sheet feeder: a
// queue without disc source is refused.
#include "printing/disc/printer_setting_rules.h"

class TPrinterConfiguration;
class TPrinterOptions;
class TPapersV2;
struct TPrintSettingData;

class TPaperPrintSetting {
public:
    explicit TPaperPrintSetting(TPrinterSettingRules rules = TPrinterSettingRules()) : rules_(std::move(rules)) {}
    // The rules of the paper database's "PrinterSetting" table.
    static TPaperPrintSetting FromCatalogue(TPapersV2& papers);

    // Raises EAppError, leaving the configuration's options as they were, when the queue
    // cannot print the request.
    void Apply(TPrinterConfiguration& configuration, const TPrintSettingData& request) const;

private:
    void ApplySheet(TPrinterConfiguration& configuration, const TPrintSettingData& request) const;
    void ApplyDisc(TPrinterConfiguration& configuration, const TPrintSettingData& request) const;
    void ApplyMedia(const TPrinterConfiguration& configuration, TPrinterOptions& options,
                    const TPrintSettingData& request, const QStringList& discMedia) const;

    TPrinterSettingRules rules_;
};
