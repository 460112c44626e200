#pragma once

#include "installer/components/KwCompNode.h"

#include <memory>

class TiXmlElement;

// The component parameters (settings) of a run. The build loader hands it each
// component's "settings" element; the element lives as long as the catalogue.
class ParamManager {
public:
    ParamManager() = default;
    virtual ~ParamManager();
    ParamManager(const ParamManager&) = delete;
    ParamManager& operator=(const ParamManager&) = delete;

    // Creates the component's parameters from the children of `settings`. Until
    // the parameters exist this raises an internal error: a component whose
    // settings were dropped would install unconfigured.
    virtual void createParams(const KwComponentPtr& component, const std::shared_ptr<TiXmlElement>& settings);
};
