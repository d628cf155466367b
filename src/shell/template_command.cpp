#include "shell/template_command.h"

#include "assets/templates/template_group.h"
#include "assets/ui/template_browser.h"
#include "core/frame/data_files.h"

bool RunTemplateCommand(QWidget* parent, TLabelData& document, int face)
{
    QString catalogue = LocateDataFile(TemplateCatalogueName());
    if (catalogue.isEmpty())
        catalogue = TemplateCatalogueName(); // the browser tells the user it is missing
    TTemplateBrowser browser(catalogue, document, face, parent);
    // The browser accepts only once the chosen template is in the face.
    return browser.exec() == QDialog::Accepted;
}
