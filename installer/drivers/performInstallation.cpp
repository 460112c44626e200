#include "installer/drivers/performInstallation.h"

#include "common/error.h"

void performInstallation(BuildManager&, ComponentManager&, ComponentsExamine&, FileFetcher&, Installer&, ParamManager&,
                         Repository&, SourceManager&, driver::auto_configurator&)
{
    throw KW_INTERNAL_ERROR() << " (the installation step is not built yet)";
}

void runPostExamination(Installer&, ComponentsExamine&)
{
    throw KW_INTERNAL_ERROR() << " (the post-installation examination step is not built yet)";
}
