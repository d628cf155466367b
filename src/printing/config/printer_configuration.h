#pragma once
// TPrinterConfiguration: one queue opened for configuring: its printer description, the
// default options (the description's defaults) and the current options, the forms, and the
// checks that make sure a job only carries options the driver really understands.
#include "printing/config/printer_form.h"
#include "printing/config/printer_options.h"

#include <QStringList>
#include <memory>
#include <optional>

class IPrinterService;
class TPpd;

class TPrinterConfiguration {
public:
    // The application's printer (its queue and options); the system's default queue when
    // none is chosen. Raises EAppError when there is no queue at all.
    static std::unique_ptr<TPrinterConfiguration> ForApplicationPrinter(IPrinterService& service);
    // A named queue with its default options. Raises EAppError when the queue does not
    // exist or cannot be asked.
    TPrinterConfiguration(IPrinterService& service, const QString& queue);
    ~TPrinterConfiguration();

    QString DeviceName() const { return queue_; }
    // The device URI: where the printer is.
    QString Port() const { return port_; }
    // The printer description, or nullptr for a queue without one.
    const TPpd* Ppd() const { return ppd_.get(); }
    IPrinterService& Service() const { return service_; }

    TPrinterOptions& Options() { return options_; }
    const TPrinterOptions& Options() const { return options_; }
    void SetOptions(const TPrinterOptions& options);
    const TPrinterOptions& DefaultOptions() const { return defaults_; }
    // Current options := default options.
    void Reset();

    // The forms of the current options (built on first use, kept until cleared) with the
    // forms added for the job.
    const TPrinterForm& Forms();
    // Selects a form of the list as "PageSize".
    void SelectForm(const TFormInfo& form);
    // The id of the form that "PageSize" selects (-1 when none does).
    int CurrentFormId();
    // Adds a named custom size for the job (size in units); false when the description
    // has no custom size or the size lies outside its range.
    bool AddForm(const QString& name, int width, int height);
    void ClearForms();

    // Lets the description decide: every choice is marked, constraints between choices are
    // resolved (an option the options do not name yields first, taking the first choice
    // that ends the conflict; a named option then goes back to its default), and the options are read back as the driver sees them. Returns the options
    // that had to change; the form list is cleared.
    QStringList Normalise();
    // Every reason why the current options cannot go to the driver: an option it does not
    // have, a choice it does not offer, choices that conflict. Empty when the job may go.
    QStringList Problems() const;
    // Raises EAppError naming every problem.
    void CheckOptions() const;

    // Makes this queue with the current options the application's printer.
    void Apply() const;

private:
    IPrinterService& service_;
    QString queue_;
    QString port_;
    std::unique_ptr<TPpd> ppd_;
    TPrinterOptions defaults_;
    TPrinterOptions options_;
    std::optional<TPrinterForm> forms_;
    std::vector<TFormInfo> addedForms_;
};
