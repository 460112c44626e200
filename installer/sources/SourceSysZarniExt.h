#pragma once

#include "common/packages/Source.h"

#include <memory>
#include <string>
#include <vector>

class ComponentManager;
class ExtCatalogPackage;

// The extensions the product's extension command has installed, which the
// installed-package readers do not see: each becomes an installed record named
// "ext-" and the extension's id, so that components and dependencies naming it
// find it installed. One per run, owned by the source manager.
class SourceSysZarniExt : public Source {
public:
    // Registers with the repository; the component manager is borrowed and must
    // be set when the source is read.
    SourceSysZarniExt(Repository* repository, ComponentManager* components);

    // The installed extensions as new records of kind 'e', in the order of the
    // command's listing; none when the command is missing. A failing command
    // raises its error (4,2,2,2).
    std::vector<std::unique_ptr<ExtCatalogPackage>> listInstalledExtensions();

protected:
    // Lists the installed extensions as records of kind 's'. Without a
    // component manager: error (3,1,1,3) "err_no_cm".
    void loadBrief() override;
    void loadFull() override;

private:
    ComponentManager* components_;
};
