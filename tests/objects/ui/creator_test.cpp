// The creation tool: each class name of the creation commands becomes an object with its
// command's defaults, placed after a confirmed dialog, by a drag, or at once, as one "追加"
// step that undoes to the site's bytes before.
#include "creation_site.h"
#include "core/model/designer_registry.h"
#include "core/stream/component_stream.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "graphics/color/color_fill.h"
#include "objects/backgrounds/back_image.h"
#include "objects/codes/qr_std.h"
#include "objects/dates/date_object.h"
#include "objects/object_classes.h"
#include "objects/pictures/image_object.h"
#include "objects/ui/creator_designer.h"
#include "text/object/text_object.h"

#include <QDateTime>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Stands in for the property dialogs: answers every edit as told and notes whether the
// object was already on a site when asked.
class TAnswerDesigner : public TDODesigner {
public:
    TAnswerDesigner(const bool& confirm, std::vector<bool>& askedOnSite) : confirm_(confirm), asked_(askedOnSite) {}
    TEditOutcome Edit(TDrawObject& object) override
    {
        asked_.push_back(object.IsOnDrawSite());
        return confirm_ ? TEditOutcome::Confirmed : TEditOutcome::Cancelled;
    }

private:
    const bool& confirm_;
    std::vector<bool>& asked_;
};

class Creator : public testing::Test {
protected:
    Creator()
    {
        RegisterLabelObjectClasses();
        RegisterCreatorDesigner(context.Designers());
        context.Designers().Add(std::make_unique<TAnswerDesigner>(confirm, askedOnSite));
        SetUpCreationSite(site);
    }

    bool Create(const QString& className) { return context.Designers().CreateObject(site, className); }

    TEditContext context;
    TEditSite site{context};
    bool confirm = true;
    std::vector<bool> askedOnSite;
};

const TColor kGrey = 0x808080;

void ExpectGreyShadowAutoSized(TDrawObject& object)
{
    auto* text = dynamic_cast<TLOTextBase*>(&object);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->AutoSize());
    EXPECT_EQ(text->ShadowColor()->Color(), kGrey);
}

void ExpectImageSource(TDrawObject& object, TImageSource source)
{
    auto* image = dynamic_cast<TLOImage*>(&object);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->ImageSource(), source);
}

struct DialogCase {
    const char* className;
    const char* createdClass;
    std::function<void(TDrawObject&)> check;
};

} // namespace

TEST_F(Creator, DialogKindsOpenTheirDialogFirstThenArePlacedSelectedAsOneStep)
{
    const DialogCase cases[] = {
        {"TLOText", "TLOText", ExpectGreyShadowAutoSized},
        {"TLODate", "TLODate",
         [](TDrawObject& object) {
             ExpectGreyShadowAutoSized(object);
             const QDateTime date = static_cast<TLODate&>(object).Date();
             EXPECT_LE(std::abs(date.secsTo(QDateTime::currentDateTime())), 60);
             EXPECT_TRUE(static_cast<TLODate&>(object).Format().isEmpty());
         }},
        {"TLOImage", "TLOWizardImage", [](TDrawObject& object) { ExpectImageSource(object, isFile); }},
        {"TLOOnePoint", "TLOWizardImage", [](TDrawObject& object) { ExpectImageSource(object, isOnePoint); }},
        {"TLOTwain", "TLOWizardImage", [](TDrawObject& object) { ExpectImageSource(object, isTwain); }},
        {"TLOQRStd", "TLOQRStd",
         [](TDrawObject& object) { EXPECT_TRUE(static_cast<TLOQRStd&>(object).Payload().isEmpty()); }},
        {"TLOJANCode", "TLOJANCode", {}},
        {"TLODecoLine", "TLODecoLine", {}},
        {"TLODecoString", "TLODecoString", {}},
        {"TLOAlphaMask", "TLOAlphaMask", {}},
    };
    for (const DialogCase& test : cases) {
        SCOPED_TRACE(test.className);
        site.ReplaceContent({});
        askedOnSite.clear();
        const QByteArray before = ComponentBytes(site);
        ASSERT_TRUE(Create(QLatin1String(test.className)));
        EXPECT_EQ(askedOnSite, std::vector<bool>{false});
        ASSERT_EQ(site.ObjectCount(), 1);
        TDrawObject& object = *site.Object(0);
        EXPECT_EQ(object.ClassName(), QLatin1String(test.createdClass));
        EXPECT_TRUE(object.Selected());
        if (test.check)
            test.check(object);
        // Centred on the visible part of the site (a decorative line has no extent until
        // its real dialog fits it to a tile).
        const TRect bounds = object.GetBounds();
        if (bounds.Right > bounds.Left) {
            EXPECT_NEAR((bounds.Left + bounds.Right) / 2, 600, 1);
            EXPECT_NEAR((bounds.Top + bounds.Bottom) / 2, 500, 1);
        }
        ASSERT_EQ(context.Actions().Count(), 1);
        EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("追加"));
        const QByteArray after = ComponentBytes(site);
        context.Actions().Undo();
        EXPECT_EQ(ComponentBytes(site), before);
        context.Actions().Redo();
        EXPECT_EQ(ComponentBytes(site), after);
    }
}

TEST_F(Creator, ABackgroundCoversTheSiteUnselectableAndUnplaced)
{
    ASSERT_TRUE(Create(QStringLiteral("TLOBackImage")));
    ASSERT_EQ(site.ObjectCount(), 1);
    auto* background = dynamic_cast<TLOBackImage*>(site.Object(0));
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->ClassName(), QStringLiteral("TLOBackImage"));
    EXPECT_EQ(background->GetBounds(), TRect(0, 0, 1200, 1000));
    EXPECT_EQ(background->FillColor()->Color(), TColor(0xFFFFFF));
    EXPECT_FALSE(background->Selectable());
    EXPECT_FALSE(background->Selected());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("追加"));
    context.Actions().Undo();
    EXPECT_EQ(site.ObjectCount(), 0);
}

TEST_F(Creator, ShapesWaitHiddenForTheDragThatSizesThem)
{
    for (const char* className : {"TLOLine", "TLOCurve", "TLORect", "TLOCircle"}) {
        SCOPED_TRACE(className);
        site.ReplaceContent({});
        askedOnSite.clear();
        const QByteArray before = ComponentBytes(site);
        ASSERT_TRUE(Create(QLatin1String(className)));
        EXPECT_TRUE(askedOnSite.empty());
        EXPECT_EQ(site.ObjectCount(), 0);
        EXPECT_EQ(context.Actions().Count(), 0);
        ASSERT_TRUE(site.CreateArmed());
        site.Press(Qt::LeftButton, {200, 300}, 0);
        site.MoveTo({400, 400}, 0);
        site.MoveTo({600, 500}, 0);
        site.Release(Qt::LeftButton, {600, 500}, 0);
        EXPECT_FALSE(site.CreateArmed());
        ASSERT_EQ(site.ObjectCount(), 1);
        EXPECT_EQ(site.Object(0)->ClassName(), QLatin1String(className));
        EXPECT_TRUE(site.Object(0)->Selected());
        const TRect bounds = site.Object(0)->GetBounds();
        EXPECT_GE(bounds.Right - bounds.Left, 300);
        ASSERT_EQ(context.Actions().Count(), 1);
        EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("追加"));
        context.Actions().Undo();
        EXPECT_EQ(ComponentBytes(site), before);
    }
}

TEST_F(Creator, AnAbandonedCreationDragLeavesTheSiteUnchanged)
{
    ASSERT_TRUE(Create(QStringLiteral("TLORect")));
    site.AbandonGhosts();
    EXPECT_FALSE(site.CreateArmed());
    site.Press(Qt::LeftButton, {200, 300}, 0);
    site.Release(Qt::LeftButton, {200, 300}, 0);
    EXPECT_EQ(site.ObjectCount(), 0);
    EXPECT_EQ(context.Actions().Count(), 0);
}

TEST_F(Creator, ACancelledDialogOrAnUnknownNameCreatesNothing)
{
    confirm = false;
    for (const char* className : {"TLOText", "TLOBackImage", "TLONoSuchObject"}) {
        SCOPED_TRACE(className);
        EXPECT_FALSE(Create(QLatin1String(className)));
        EXPECT_EQ(site.ObjectCount(), 0);
        EXPECT_EQ(context.Actions().Count(), 0);
    }
}
