#pragma once

#include "installer/catalogue/ProductInf3FileGuard.h"
#include "installer/wizard/DlgInstTypes.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class BuildManager;
class ComponentManager;
class ComponentsExamine;
class DlgAdvSettings;
class DlgComponents;
class DlgHello;
class DlgInstTypes;
class DlgMaker;
class DlgOptions;
class DlgPackages;
class DlgReleases;
class DlgYesNo;
class FileFetcher;
class Installer;
class Options;
class ParamManager;
class Repository;
class SourceManager;
class error;

namespace driver {

class auto_configurator;

// The text-mode wizard of run mode 0: eight steps, most of them a page, walked
// forward and back (welcome; releases; builds and package-manager
// configuration; installation types; components with examination and
// resolution; component settings; packages; installation). Between the pages
// it does the drivers' common road, and it remembers what the operator chose,
// so that going back and forward again redoes only what a changed choice
// requires: the furthest step is the highest step whose work still holds.
//
// run() returns when the installation ran or the operator quit; every failure
// leaves it as an `error` (after the error report and the progress status
// heard of it), a termination signal as Progress::Interrupted. The objects of
// the run are members released in reverse order of their dependencies, and the
// configurator holder's end (temporary sources removed, persistent files
// committed after a good installation, else rolled back) runs on every way out.
//
// The persistent repository files are rolled back only when the builds are
// loaded anew, just before a new configurator replaces the old one: rolling
// back on every visit of the releases page would leave the installation of
// unchanged releases (which skips the configuration) without the product's
// persistent sources.
class InteractiveDriver {
public:
    InteractiveDriver(DlgMaker& dialogs, const Options& options);
    ~InteractiveDriver();
    InteractiveDriver(const InteractiveDriver&) = delete;
    InteractiveDriver& operator=(const InteractiveDriver&) = delete;

    void run();

private:
    // How a step ended: forward (next step, last result 200), or with the last
    // result as the step left it (a page's answer, or untouched when it passed).
    enum class StepEnd { forward, result };

    StepEnd runStep();
    StepEnd welcome();
    StepEnd releases();
    StepEnd buildsAndConfiguration();
    StepEnd installationTypes();
    StepEnd componentsAndChecks();
    StepEnd componentSettings();
    StepEnd packages();
    StepEnd installation();

    // Step 2's first visit: the catalogue, the settings and releases pages. An
    // unreadable catalogue asks whether to show the settings (the page without
    // its back key), then its failure leaves the step.
    void prepareReleases();
    void makeCatalogue();
    void makeReleasesPages();
    void loadBuilds();
    void examineBeforeInstallation();
    // True when the step goes on (203 or no question asked).
    bool confirmComponentChanges();
    // A catalogue that wants a newer installer: fetch it and become it, with
    // the wizard's state on its command line.
    void restartWithNewerInstaller();
    // An error inside the loop: reported, and true when the operator takes a
    // newly published build (the loop goes on at the releases page).
    bool recoverFromFailure(error& failure);
    int ask(std::unique_ptr<DlgYesNo> question);
    void showMessage(const std::string& text);

    DlgMaker& dialogs_;
    const Options& options_;
    std::string targetDirectory_;

    int step_ = 1;
    int lastResult_ = 0;
    int furthest_ = 0;
    std::vector<std::string> rememberedReleases_;
    DlgInstTypes::Selection rememberedTypes_;
    bool rememberedChooseComponents_ = false;
    std::set<std::string> productsToOffer_;
    std::vector<std::string> rememberedSelection_;

    // Declared so that what borrows is released before what it borrows from.
    std::unique_ptr<Repository> repository_;
    std::unique_ptr<FileFetcher> fetcher_;
    std::unique_ptr<BuildManager> builds_;
    std::unique_ptr<ComponentManager> components_;
    std::unique_ptr<SourceManager> sources_;
    std::unique_ptr<ParamManager> params_;
    std::vector<ProductInf3FileGuardPtr> guards_;
    std::unique_ptr<auto_configurator> configurator_;
    std::unique_ptr<ComponentsExamine> examine_;
    std::unique_ptr<Installer> installer_;
    std::unique_ptr<DlgHello> hello_;
    std::unique_ptr<DlgAdvSettings> settings_;
    std::unique_ptr<DlgReleases> releasesPage_;
    std::unique_ptr<DlgInstTypes> typesPage_;
    std::unique_ptr<DlgComponents> componentsPage_;
    std::unique_ptr<DlgOptions> optionsPage_;
    std::unique_ptr<DlgPackages> packagesPage_;
};

}  // namespace driver
