#pragma once

#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/components/KwSubGroup.h"

#include "tests/installer/catalogue/CatalogueModel.h"

#include <boost/make_shared.hpp>

#include <string>

// Component trees built in memory, the way the build loader builds them.

// A product with one release and one build for it; the holder keeps the release
// alive, since a build only refers back to it weakly.
struct ProductBuild {
    ProductPtr product;
    ReleasePtr release;
    BuildPtr build;
};

inline ProductBuild makeProductBuild(const std::string& productId)
{
    ProductBuild result;
    result.product = makeProduct(productId);
    result.release = makeRelease(result.product, productId + "-1", "1.0");
    result.build = addBuild(result.release, "Debian", "12");
    return result;
}

// A component in the given install mode (0: not checked) and selection.
inline KwComponentPtr makeComponent(const BuildPtr& build, const std::string& name,
                                    int mode = KwComponent::MODE_INSTALL, int selection = KwComponent::SEL_NONE)
{
    KwComponentPtr component =
        boost::make_shared<KwComponent>(build, name, name + " description", "", std::vector<KeyPackageSet>());
    if (mode != KwComponent::NOT_CHECKED) {
        KwComponent::CheckedState state;
        state.installMode = mode;
        component->setCheckedState(state);
    }
    component->setSelection(selection);
    return component;
}

inline KwRadioGroupPtr makeRadioGroup(const BuildPtr& build, const std::string& name,
                                      const std::vector<KwComponentPtr>& children,
                                      const std::string& defaultName = std::string())
{
    KwRadioGroupPtr group = boost::make_shared<KwRadioGroup>(name, name + " description", build);
    group->setDefaultName(defaultName);
    for (const KwComponentPtr& child : children) group->addChild(child);
    return group;
}

inline KwSubGroupPtr makeSubGroup(const BuildPtr& build, const std::string& name,
                                  const std::vector<KwCompNodePtr>& children)
{
    KwSubGroupPtr group = boost::make_shared<KwSubGroup>(name, name + " description", build);
    for (const KwCompNodePtr& child : children) group->addChild(child);
    return group;
}
