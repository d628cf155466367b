#pragma once
// TPrintSite: the hidden draw site a document is printed through. It spans the whole
// paper in logical units (0.1 mm, 254 units an inch) and holds the objects of one face at
// a time, placed on the sheet: the face's own objects (a soft-edge mask first when asked
// for), and the paper's printed pattern behind them. While drawing it draws an object only
// while the job runs, and after each one lets the interface breathe.
#include "core/model/draw_site_model.h"

#include <functional>

class IPrintProgress;
class TLabelData;
class TPaperInfo;
struct TPrintSpec;

class TPrintSite : public TDrawSiteModel {
    LR_CLASS(TPrintSite, TDrawSiteModel)
public:
    TPrintSite(TLabelData& document, const TPaperInfo& paper, const TPrintSpec& spec, IPrintProgress* progress,
               std::function<bool()> running);
    ~TPrintSite() override;

    // Empties the site and fills it with face a's objects.
    void Fill(int face);
    // Whether the paper's printed pattern has objects for face a.
    bool HasPatternImages(int face) const;

protected:
    void DrawObjectTo(TDrawObject& object, TCanvas& canvas) override;

private:
    std::vector<std::unique_ptr<TDrawObject>> PatternImages(int face) const;
    void Clear();

    TLabelData& document_;
    const TPaperInfo& paper_;
    const TPrintSpec& spec_;
    IPrintProgress* progress_;
    std::function<bool()> running_;
};
