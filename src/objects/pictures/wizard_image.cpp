#include "objects/pictures/wizard_image.h"

LR_DEFINE_CLASS(TLOWizardImage, TLOImage, LR_CREATABLE(TLOWizardImage),
    prop::Boolean("wizInputEnable", &Self::WizInputEnable, &Self::SetWizInputEnable),
    prop::String("wizInputCaption", &Self::WizInputCaption, &Self::SetWizInputCaption))

void TLOWizardImage::AssignTo(TPersistent& target) const
{
    TLOImage::AssignTo(target);
    if (auto* image = dynamic_cast<IWizardInput*>(&target)) {
        image->SetWizInputEnable(wizInputEnable_);
        image->SetWizInputCaption(wizInputCaption_);
    }
}

void TLOWizardImage::SetWizInputEnable(bool enable)
{
    if (enable == wizInputEnable_)
        return;
    wizInputEnable_ = enable;
    Changed();
}

void TLOWizardImage::SetWizInputCaption(const QString& caption)
{
    if (caption == wizInputCaption_)
        return;
    wizInputCaption_ = caption;
    Changed();
}
