#include "text/object/wizard_text.h"

LR_DEFINE_CLASS(TLOWizardText, TLOTextBase, LR_ABSTRACT,
    prop::Boolean("wizInputEnable", &Self::WizInputEnable, &Self::SetWizInputEnable).Default(false),
    prop::String("wizInputCaption", &Self::WizInputCaption, &Self::SetWizInputCaption))

void TLOWizardText::AssignTo(TPersistent& target) const
{
    TLOTextBase::AssignTo(target);
    if (auto* text = dynamic_cast<TLOWizardText*>(&target)) {
        text->SetWizInputEnable(wizInputEnable_);
        text->SetWizInputCaption(wizInputCaption_);
    }
}

void TLOWizardText::SetWizInputEnable(bool enable)
{
    if (enable == wizInputEnable_)
        return;
    wizInputEnable_ = enable;
    Changed();
}

void TLOWizardText::SetWizInputCaption(const QString& caption)
{
    if (caption == wizInputCaption_)
        return;
    wizInputCaption_ = caption;
    Changed();
}
