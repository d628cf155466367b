#include "catalogue/paper/purpose_validator.h"

#include "catalogue/paper/purpose_list.h"

#include <utility>

namespace {

const IPurposeValidator* installedValidator = nullptr;

// Obsolete identifiers and the identifiers that replace them.
struct Replacement {
    const char* Obsolete;
    const char* Current;
};
constexpr Replacement kReplacements[] = {{"MO", "MOSquare"}, {"FD", "MOSquare"}, {"CDCase", "CDCaseTray"}};

} // namespace

const IPurposeValidator* SetPurposeValidator(const IPurposeValidator* validator)
{
    return std::exchange(installedValidator, validator);
}

const IPurposeValidator* PurposeValidator()
{
    return installedValidator;
}

void FilterPurposes(TPurposeList& list)
{
    if (installedValidator)
        installedValidator->Filter(list);
}

QString TranslatePurpose(const QString& id)
{
    return installedValidator ? installedValidator->Translate(id) : id;
}

void TObsoletePurposeValidator::Filter(TPurposeList& list) const
{
    for (int i = list.Count() - 1; i >= 0; --i)
        for (const Replacement& replacement : kReplacements)
            if (list.Purpose(i)->ID() == QLatin1String(replacement.Obsolete)) {
                list.Delete(i);
                break;
            }
}

QString TObsoletePurposeValidator::Translate(const QString& id) const
{
    for (const Replacement& replacement : kReplacements)
        if (id == QLatin1String(replacement.Obsolete))
            return QString::fromLatin1(replacement.Current);
    return id;
}
