#pragma once
// TLOWizardText: the text object with the two settings through which the label wizard finds
// the texts it may fill in.
#include "text/object/text_object.h"

class TLOWizardText : public TLOTextBase, public IWizardInput {
    LR_CLASS(TLOWizardText, TLOTextBase)
public:
    TLOWizardText() = default;

    // A new value is reported as a change, so that the document counts as modified and an
    // edit of only these values is saved; nothing repaints, since they do not show.
    bool WizInputEnable() const override { return wizInputEnable_; }
    void SetWizInputEnable(bool enable) override;
    QString WizInputCaption() const override { return wizInputCaption_; }
    void SetWizInputCaption(const QString& caption) override;

    void AssignTo(TPersistent& target) const override;

private:
    bool wizInputEnable_ = false;
    QString wizInputCaption_;
};
