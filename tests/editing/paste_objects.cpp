#include "paste_objects.h"

#include "core/stream/class_registry.h"

LR_DEFINE_CLASS(TTestPastedText, TTestPlainRect, LR_CREATABLE(TTestPastedText),
    prop::WString("Text", &Self::Text, &Self::SetText),
    prop::Boolean("AutoSize", &Self::AutoSize, &Self::SetAutoSize).Default(false))
LR_DEFINE_CLASS(TTestPastedPicture, TTestPlainRect, LR_CREATABLE(TTestPastedPicture))

void RegisterPasteStandIns()
{
    RegisterClass(TTestPastedText::StaticClassInfo());
    RegisterClass(TTestPastedPicture::StaticClassInfo());
    static const TClassInfo text("TLOText", &TTestPastedText::StaticClassInfo(),
                                 [] { return static_cast<TPersistent*>(new TTestPastedText); },
                                 [] { return std::vector<TPropInfo>{}; });
    static const TClassInfo picture("TLOWizardImage", &TTestPastedPicture::StaticClassInfo(),
                                    [] { return static_cast<TPersistent*>(new TTestPastedPicture); },
                                    [] { return std::vector<TPropInfo>{}; });
    RegisterClass(text);
    RegisterClass(picture);
}
