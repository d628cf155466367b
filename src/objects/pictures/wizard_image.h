#pragma once
// TLOWizardImage: the picture object as it is created and stored; it adds the two values
// through which the label wizard finds the pictures it may fill in.
#include "objects/pictures/image_object.h"

class TLOWizardImage : public TLOImage, public IWizardInput {
    LR_CLASS(TLOWizardImage, TLOImage)
public:
    TLOWizardImage() = default;

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
