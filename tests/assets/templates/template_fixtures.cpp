#include "template_fixtures.h"

#include "catalogue/paper/free_paper_info.h"
#include "core/model/draw_object.h"
#include "document/label_data.h"
#include "objects/object_classes.h"
#include "objects/shapes/rect_shape.h"

void RegisterTemplateTestClasses()
{
    static const bool registered = [] {
        RegisterDocumentClasses();
        RegisterLabelObjectClasses();
        return true;
    }();
    (void)registered;
}

void WriteTemplate(const QString& path, const std::vector<TFixtureFace>& faces)
{
    RegisterTemplateTestClasses();
    TFreePaperInfo paper;
    paper.SetWidth(6000);
    paper.SetHeight(6000);
    paper.SetPaperName(QStringLiteral("テンプレート用紙"));
    paper.SetGroupName(QStringLiteral("テスト"));
    int left = 0;
    for (const TFixtureFace& face : faces) {
        TFaceItem* item = paper.Faces()->AddFace();
        item->SetFaceRect({left, 0, left + face.Width, face.Height});
        item->SetFaceShape(fsRect);
        item->SetFacePurpose(face.Purpose);
        left += face.Width + 10;
    }
    TLabelData document;
    document.SetPaper(paper);
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) {
        if (!faces[static_cast<size_t>(i)].Designed)
            continue;
        TLORect box;
        box.SetBoundsRect({10, 10, 110, 60 + i});
        document.SaveObjects(i, {&box});
    }
    document.SaveToFile(path);
}
