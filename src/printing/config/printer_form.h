#pragma once
// TPrinterForm: the page sizes a queue offers, in the printer description's order, each
// with an id, its size and imageable area in logical units (0.1 mm), and the choice that
// selects it. The description's custom size, when it has one, is the user-defined form
// with id 256; forms added for a job are custom sizes with a name of their own.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TPpd;

// The id of the user-defined (custom) size.
constexpr int kUserDefinedFormId = 256;

struct TFormInfo {
    QString Name;   // the "PageSize" choice, or the added form's name
    QString Text;   // the name shown to the user
    QString Choice; // the "PageSize" choice that selects the form
    int Id = 0;
    int Width = 0;
    int Height = 0;
    // Imageable area from the upper left corner of the page.
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Logical units (0.1 mm) from points, rounded to the nearest unit.
int PointsToUnits(double points);
// Points from logical units.
double UnitsToPoints(int units);
// The "PageSize" choice of a custom size in logical units: "Custom.<w>x<h>" in points.
QString CustomSizeChoice(int width, int height);

class TPrinterForm {
public:
    TPrinterForm() = default;
    explicit TPrinterForm(std::vector<TFormInfo> forms) : forms_(std::move(forms)) {}
    // The forms of a printer description; the user-defined form takes customSize (width,
    // height in units) when given, else the largest custom size.
    static TPrinterForm FromPpd(const TPpd& ppd, std::optional<std::pair<int, int>> customSize = std::nullopt);

    int Count() const { return static_cast<int>(forms_.size()); }
    const TFormInfo& Form(int index) const { return forms_.at(static_cast<size_t>(index)); }
    void Add(const TFormInfo& form) { forms_.push_back(form); }

    // Look-ups: the index of the first match, or -1. Sizes match when they differ by at
    // most one unit on each axis (a size in points rarely comes to whole units); the near
    // look-up then allows 20 units (2 mm) on each axis.
    int IndexById(int id) const;
    int IndexByName(const QString& name) const;
    int IndexBySize(int width, int height) const;
    int IndexBySizeNear(int width, int height) const;

    // Every form's list name ("ユーザー定義(%g x %gmm)" for the user-defined size), one a line.
    QString Names() const;

private:
    int IndexWithin(int width, int height, int tolerance) const;

    std::vector<TFormInfo> forms_;
};

// "%g x %gmm" with a size in logical units.
QString SizeDescription(int width, int height);
// The name a form has in the list shown to the user.
QString FormListName(const TFormInfo& form);
// The description of a paper size for settings: the near form's name unless that is the
// user-defined size, else the size itself.
QString FormDescriptionForSettings(const TPrinterForm& forms, int width, int height);
// The description for the print confirmation, with the form chosen for the job: the paper
// size when the form differs from it by more than 2 mm, the form's size for the
// user-defined form, otherwise its name.
QString FormDescriptionForConfirmation(const TPrinterForm& forms, int formId, int width, int height);
