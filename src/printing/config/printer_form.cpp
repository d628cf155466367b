#include "printing/config/printer_form.h"

#include "platform/printers/ppd.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kExactTolerance = 1;
constexpr int kNearTolerance = 20;

} // namespace

int PointsToUnits(double points)
{
    return static_cast<int>(std::lround(points * 254.0 / 72.0));
}

double UnitsToPoints(int units)
{
    return units * 72.0 / 254.0;
}

QString CustomSizeChoice(int width, int height)
{
    return QStringLiteral("Custom.%1x%2")
        .arg(QString::number(UnitsToPoints(width), 'f', 2), QString::number(UnitsToPoints(height), 'f', 2));
}

TPrinterForm TPrinterForm::FromPpd(const TPpd& ppd, std::optional<std::pair<int, int>> customSize)
{
    std::vector<TFormInfo> forms;
    int id = 1;
    for (const TPpdSize& size : ppd.Sizes()) {
        if (id == kUserDefinedFormId)
            ++id;
        TFormInfo form;
        form.Name = size.Name;
        form.Text = size.Text;
        form.Choice = size.Name;
        form.Id = id++;
        form.Width = PointsToUnits(size.Width);
        form.Height = PointsToUnits(size.Length);
        form.Left = PointsToUnits(size.Left);
        form.Top = PointsToUnits(size.Length - size.Top);
        form.Right = PointsToUnits(size.Right);
        form.Bottom = PointsToUnits(size.Length - size.Bottom);
        forms.push_back(form);
    }
    if (const std::optional<TPpdCustomRange> range = ppd.CustomRange()) {
        TFormInfo form;
        form.Name = QStringLiteral("Custom");
        form.Text = QStringLiteral("Custom");
        form.Id = kUserDefinedFormId;
        form.Width = customSize ? customSize->first : PointsToUnits(range->MaxWidth);
        form.Height = customSize ? customSize->second : PointsToUnits(range->MaxLength);
        form.Choice = CustomSizeChoice(form.Width, form.Height);
        form.Right = form.Width;
        form.Bottom = form.Height;
        forms.push_back(form);
    }
    return TPrinterForm(std::move(forms));
}

int TPrinterForm::IndexById(int id) const
{
    for (int i = 0; i < Count(); ++i)
        if (forms_[static_cast<size_t>(i)].Id == id)
            return i;
    return -1;
}

int TPrinterForm::IndexByName(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const TFormInfo& form = forms_[static_cast<size_t>(i)];
        if (form.Name.compare(name, Qt::CaseInsensitive) == 0 || form.Text.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TPrinterForm::IndexWithin(int width, int height, int tolerance) const
{
    for (int i = 0; i < Count(); ++i) {
        const TFormInfo& form = forms_[static_cast<size_t>(i)];
        if (std::abs(form.Width - width) <= tolerance && std::abs(form.Height - height) <= tolerance)
            return i;
    }
    return -1;
}

int TPrinterForm::IndexBySize(int width, int height) const
{
    return IndexWithin(width, height, kExactTolerance);
}

int TPrinterForm::IndexBySizeNear(int width, int height) const
{
    const int exact = IndexBySize(width, height);
    return exact >= 0 ? exact : IndexWithin(width, height, kNearTolerance);
}

QString TPrinterForm::Names() const
{
    QStringList names;
    for (const TFormInfo& form : forms_)
        names << FormListName(form);
    return names.join(QLatin1Char('\n'));
}

QString SizeDescription(int width, int height)
{
    return QString::asprintf("%g x %gmm", width / 10.0, height / 10.0);
}

QString FormListName(const TFormInfo& form)
{
    if (form.Id == kUserDefinedFormId)
        return QStringLiteral("ユーザー定義(%1)").arg(SizeDescription(form.Width, form.Height));
    return form.Text.isEmpty() ? form.Name : form.Text;
}

QString FormDescriptionForSettings(const TPrinterForm& forms, int width, int height)
{
    const int index = forms.IndexBySizeNear(width, height);
    if (index >= 0 && forms.Form(index).Id != kUserDefinedFormId)
        return forms.Form(index).Name;
    return SizeDescription(width, height);
}

QString FormDescriptionForConfirmation(const TPrinterForm& forms, int formId, int width, int height)
{
    const int index = forms.IndexById(formId);
    if (index < 0)
        return SizeDescription(width, height);
    const TFormInfo& form = forms.Form(index);
    if (std::abs(form.Width - width) > kNearTolerance || std::abs(form.Height - height) > kNearTolerance)
        return SizeDescription(width, height);
    if (form.Id == kUserDefinedFormId)
        return SizeDescription(form.Width, form.Height);
    return form.Name;
}
