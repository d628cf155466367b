#pragma once
// TLOWizardText: the text object with the two settings through which the label wizard finds
// the texts it may fill in.
#include "text/object/text_object.h"

class TLOWizardText : public TLOTextBase, public IWizardInput {
    LR_CLASS(TLOWizardText, TLOTextBase)
public:
    TLOWizardText() = default;

    // Both setters only store: they report no change and repaint nothing.
    bool WizInputEnable() const override { return wizInputEnable_; }
    void SetWizInputEnable(bool enable) override { wizInputEnable_ = enable; }
    QString WizInputCaption() const override { return wizInputCaption_; }
    void SetWizInputCaption(const QString& caption) override { wizInputCaption_ = caption; }

    void AssignTo(TPersistent& target) const override;

private:
    bool wizInputEnable_ = false;
    QString wizInputCaption_;
};
