#include "printing/pipeline/pdf_page_writer.h"

#include "core/canvas/canvas.h"
#include "core/error.h"
#include "printing/pipeline/print_target.h"

#include <QPageLayout>
#include <QPageSize>

TPdfPageWriter::TPdfPageWriter(QIODevice& device, const TPrintJobSetup& setup) : writer_(&device)
{
    const QSizeF page = setup.PagePoints;
    if (page.width() <= 0 || page.height() <= 0)
        throw EAppError(QStringLiteral("用紙サイズが決まっていないため、印刷できません"));
    writer_.setCreator(QStringLiteral("Lumarest"));
    writer_.setTitle(setup.Title);
    writer_.setResolution(setup.Resolution);
    const bool landscape = page.width() > page.height();
    const QSizeF portrait = landscape ? page.transposed() : page;
    writer_.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    canvas_ = std::make_unique<TCanvas>(&writer_);
    if (!canvas_->Painter().isActive())
        throw EAppError(QStringLiteral("印刷データを作成できません"));
}

TPdfPageWriter::~TPdfPageWriter() = default;

void TPdfPageWriter::NewPage()
{
    if (!writer_.newPage())
        throw EAppError(QStringLiteral("印刷データを作成できません"));
}

bool TPdfPageWriter::Finish()
{
    const bool ok = canvas_->Painter().end();
    canvas_.reset();
    return ok;
}
