#pragma once

#include "installer/components/KwComponent.h"
#include "installer/params/ParamTypes.h"

#include "tests/installer/components/ComponentTree.h"

#include <memory>
#include <string>

// Settings need an owning component; these are components of one product
// "zarni", by default new and chosen for install, so that their settings are
// asked for and may be changed.
class ParamOwners {
public:
    ParamOwners() : build_(makeProductBuild("zarni")) {}

    KwComponentPtr component(const std::string& name, int mode = KwComponent::MODE_INSTALL,
                             int selection = KwComponent::SEL_INSTALL) const
    {
        return makeComponent(build_.build, name, mode, selection);
    }
    const BuildPtr& build() const { return build_.build; }

private:
    ProductBuild build_;
};

#include "common/Messages.h"
#include "common/xmlbind.h"
#include "tests/common/ScopedLocale.h"

#include <tinyxml.h>

// A settings document file, as the build loader keeps it.
inline std::shared_ptr<TiXmlElement> settingsDocumentFile(const std::string& path)
{
    const xmlbind::Document document(path);
    return std::shared_ptr<TiXmlElement>(static_cast<TiXmlElement*>(document.RootElement()->Clone()));
}

// A settings document of tests/data/params/settings.
inline std::shared_ptr<TiXmlElement> settingsDocument(const std::string& name)
{
    return settingsDocumentFile(std::string(KW_TEST_DATA_DIR) + "/params/settings/" + name + ".xml");
}
