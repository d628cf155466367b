#pragma once
// The purpose validator: the application installs one at start-up so that purpose lists
// drop obsolete purposes and papers report the current identifier for an old one. While
// none is installed, lists are not filtered and identifiers are returned as stored.
#include <QString>

class TPurposeList;

class IPurposeValidator {
public:
    // Removes the obsolete purposes from the list.
    virtual void Filter(TPurposeList& list) const = 0;
    // The current identifier for a stored one.
    virtual QString Translate(const QString& id) const = 0;

protected:
    ~IPurposeValidator() = default;
};

// Installs the validator (nullptr uninstalls); returns the one installed before.
const IPurposeValidator* SetPurposeValidator(const IPurposeValidator* validator);
const IPurposeValidator* PurposeValidator();

// The installed validator's filter and translation; without one, nothing changes.
void FilterPurposes(TPurposeList& list);
QString TranslatePurpose(const QString& id);

// The program's validator: "MO", "FD" and "CDCase" are obsolete; "MO" and "FD" now read
// "MOSquare", "CDCase" reads "CDCaseTray".
class TObsoletePurposeValidator final : public IPurposeValidator {
public:
    void Filter(TPurposeList& list) const override;
    QString Translate(const QString& id) const override;
};

// Keeps a validator installed for its lifetime and puts the previous one back afterwards.
class TPurposeValidatorScope {
public:
    explicit TPurposeValidatorScope(const IPurposeValidator& validator) : previous_(SetPurposeValidator(&validator)) {}
    ~TPurposeValidatorScope() { SetPurposeValidator(previous_); }
    TPurposeValidatorScope(const TPurposeValidatorScope&) = delete;
    TPurposeValidatorScope& operator=(const TPurposeValidatorScope&) = delete;

private:
    const IPurposeValidator* previous_;
};
