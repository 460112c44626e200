#pragma once

class BuildManager;
class ComponentManager;
class ComponentsExamine;
class FileFetcher;
class Installer;
class ParamManager;
class Repository;
class SourceManager;

namespace driver {
class auto_configurator;
}

// The installation step every driver ends with, once the installer has
// resolved and checked the package set (the web back end runs it on its
// installation thread). In order, with SIGHUP held back (cancel-unsafe) for the
// whole step:
//   1. the component settings are written to their files;
//   2. the error-report tool is installed (failures only logged);
//   3. the action-time statistics start;
//   4. the components' repositories are switched for the selection
//      (RepositoryProcessor with the held configurator); the installer
//      installs; the statistics are saved, marked unsuccessful when the
//      installer failed; the releases' state is checked again; then
//      runPostExamination.
//   When anything in 4 fails, the failure post-examination runs; what it
//   reports is logged at level 0 after "examine_post_results", and the failure
//   goes on unchanged.
//   5. "Kitwright: installation time N sec." at level 2 and "install_ok" at
//   level 0.
void performInstallation(BuildManager& builds, ComponentManager& components, ComponentsExamine& examine,
                         FileFetcher& fetcher, Installer& installer, ParamManager& params, Repository& repository,
                         SourceManager& sources, driver::auto_configurator& configurator);

// After a good installation: the configurator's changes are marked for commit,
// the post-installation examination runs (only the checks marked always with
// "--skip-components-check"); an unpassed result raises error (6,1,1,2)
// "examine_unpassed" with the results, other results are logged at level 0
// after "examine_post_results". Unless "--skip-cleanup" is given the
// installed-package cache "/tmp/kitwright_system_packages.cache" is removed.
void runPostExamination(Installer& installer, ComponentsExamine& examine);
