#include "catalogue/catalogue_classes.h"

#include "catalogue/database/extra_paper_info.h"
#include "catalogue/database/paper_update.h"
#include "catalogue/paper/free_paper_info.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "catalogue/product/product_info.h"
#include "core/stream/class_registry.h"

void RegisterCatalogueClasses()
{
    RegisterClass(TMatrixPaperInfo::StaticClassInfo());
    RegisterClass(TFreePaperInfo::StaticClassInfo());
    RegisterClass(TExPaperInfo::StaticClassInfo());
    RegisterClass(TImagePaperInfo::StaticClassInfo());
    RegisterClass(TPaperUpdate::StaticClassInfo());
    RegisterClass(TProductInfo::StaticClassInfo());
}
