// The wizard's two values on text and picture objects: a new value is a change (so a
// document whose only edit is "ユーザー入力項目" or its caption is saved), an equal one is
// not, and the values stay readable through the capability.
#include "core/model/object_interfaces.h"
#include "objects/pictures/wizard_image.h"
#include "text/object/shade_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct WizardCase {
    const char* name;
    std::function<std::unique_ptr<TDrawObject>()> make;
};

class WizardInputTest : public ::testing::TestWithParam<WizardCase> {};

TEST_P(WizardInputTest, NewValuesAreChangesAndEqualOnesAreNot)
{
    std::unique_ptr<TDrawObject> object = GetParam().make();
    auto* wizard = dynamic_cast<IWizardInput*>(object.get());
    ASSERT_NE(wizard, nullptr);
    int changes = 0;
    object->SetOnModify([&](TDrawObject*) { ++changes; });

    wizard->SetWizInputEnable(true);
    EXPECT_EQ(changes, 1);
    wizard->SetWizInputEnable(true);
    EXPECT_EQ(changes, 1);
    wizard->SetWizInputCaption(QStringLiteral("タイトル"));
    EXPECT_EQ(changes, 2);
    wizard->SetWizInputCaption(QStringLiteral("タイトル"));
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(wizard->WizInputEnable());
    EXPECT_EQ(wizard->WizInputCaption(), QStringLiteral("タイトル"));
}

INSTANTIATE_TEST_SUITE_P(Objects, WizardInputTest,
                         ::testing::Values(WizardCase{"Text", [] { return std::unique_ptr<TDrawObject>(new TLOText); }},
                                           WizardCase{"Image", [] { return std::unique_ptr<TDrawObject>(new TLOWizardImage); }}),
                         [](const ::testing::TestParamInfo<WizardCase>& info) { return std::string(info.param.name); });

} // namespace
