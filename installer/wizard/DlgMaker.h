#pragma once

#include "installer/wizard/DlgAdvSettings.h"
#include "installer/wizard/DlgComponents.h"
#include "installer/wizard/DlgHello.h"
#include "installer/wizard/DlgInstTypes.h"
#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/DlgOptions.h"
#include "installer/wizard/DlgPackages.h"
#include "installer/wizard/DlgPrompt.h"
#include "installer/wizard/DlgReleases.h"
#include "installer/wizard/DlgYesNo.h"

#include <memory>
#include <string>
#include <vector>

class BuildManager;
class ComponentManager;
class Package;
class ParamManager;
class Repository;

// The dialog factory: the drivers and the pages that ask questions get every
// dialog from one, so they never name a terminal class. Each create operation
// hands a new dialog to the caller. The managers and the repository given are
// borrowed by the dialog and must outlive it.
class DlgMaker {
public:
    virtual ~DlgMaker() = default;

    // The text-mode factory on standard input and output.
    static std::unique_ptr<DlgMaker> create();

    virtual std::unique_ptr<DlgHello> createHello() = 0;
    virtual std::unique_ptr<DlgAdvSettings> createAdvSettings(const DlgAdvSettings::Settings& settings) = 0;
    virtual std::unique_ptr<DlgReleases> createReleases(BuildManager& buildManager, Repository& repository,
                                                        bool showAllReleases) = 0;
    virtual std::unique_ptr<DlgInstTypes> createInstTypes(BuildManager& buildManager,
                                                          ComponentManager& componentManager) = 0;
    virtual std::unique_ptr<DlgComponents> createComponents(ComponentManager& componentManager,
                                                            BuildManager& buildManager) = 0;
    // The page does not keep the repository.
    virtual std::unique_ptr<DlgOptions> createOptions(ParamManager& params, Repository& repository) = 0;
    virtual std::unique_ptr<DlgPackages> createPackages(const std::vector<const Package*>& packages,
                                                        Repository& repository) = 0;
    // An empty answer means yes.
    virtual std::unique_ptr<DlgYesNo> createYesNo(const std::string& question) = 0;
    // An empty answer is no answer: the question is asked again.
    virtual std::unique_ptr<DlgYesNo> createYesNoDefaultNo(const std::string& question) = 0;
    virtual std::unique_ptr<DlgMessage> createMessage(const std::string& text) = 0;
    virtual std::unique_ptr<DlgPrompt> createPrompt(const std::string& question, const std::string& defaultAnswer) = 0;
};
