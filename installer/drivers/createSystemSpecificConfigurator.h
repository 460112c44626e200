#pragma once

#include "installer/engine/SystemSpecificConfigurator.h"

#include "common/Opsys.h"

#include <memory>
#include <string>

class ComponentManager;
class FileFetcher;
class Repository;
class SourceManager;

// The configurator of this system's package manager for a run whose builds are
// loaded into `components`: the yum/dnf one on the RedHat family (after picking
// dnf or yum; neither raises "err_yum_not_found"), the APT one when the base
// component's first package is a Debian package, else none (the holder,
// driver::auto_configurator, then holds its DummyConfigurator). Errors of
// finding the base component (no component, a base component without packages)
// pass on unchanged. The fetcher is not used by any flavour; it stays in the
// signature the drivers share.
//
// When the answer whether the base component has a Debian package differs from
// the one remembered by the previous call, the cached configuration check (see
// below) is forgotten. `system` is the running one unless a test names another.
std::unique_ptr<SystemSpecificConfigurator> createSystemSpecificConfigurator(
    Repository& repository, FileFetcher& fetcher, const std::string& sourceName, ComponentManager& components,
    SourceManager& sources, const Opsys& system = Opsys());

// The configuration check of the configurator (SystemSpecificConfigurator::
// checkConfiguration, which needs it configured), computed on the first call of
// the process and kept: later calls return the kept text. Empty when the
// configuration is fine; the interactive driver shows a non-empty text, the web
// back end sends it as a warning.
std::string getCachedConfigurationCheck(SystemSpecificConfigurator& configurator);
