#include "installer/wizard/TextDlgMaker.h"

#include "installer/options/Options.h"
#include "installer/wizard/DlgComponents.h"
#include "installer/wizard/DlgInstTypes.h"
#include "installer/wizard/DlgOptions.h"
#include "installer/wizard/DlgPackages.h"
#include "installer/wizard/DlgReleases.h"
#include "installer/wizard/TextConsole.h"
#include "installer/wizard/TextDlgAdvSettings.h"
#include "installer/wizard/TextDlgComponents.h"
#include "installer/wizard/TextDlgHello.h"
#include "installer/wizard/TextDlgInstTypes.h"
#include "installer/wizard/TextDlgMessage.h"
#include "installer/wizard/TextDlgOptions.h"
#include "installer/wizard/TextDlgPackages.h"
#include "installer/wizard/TextDlgPrompt.h"
#include "installer/wizard/TextDlgReleases.h"
#include "installer/wizard/TextDlgYesNo.h"

#include "common/Opsys.h"
#include "common/error.h"

std::unique_ptr<DlgMaker> DlgMaker::create() { return std::make_unique<TextDlgMaker>(TextConsole::standard()); }

std::unique_ptr<DlgHello> TextDlgMaker::createHello() { return std::make_unique<TextDlgHello>(console_); }

std::unique_ptr<DlgAdvSettings> TextDlgMaker::createAdvSettings(const DlgAdvSettings::Settings& settings)
{
    // The home directory's rc file: the one an operator would edit.
    return std::make_unique<TextDlgAdvSettings>(console_, settings, Options::getRcFileCandidates().back());
}

std::unique_ptr<DlgReleases> TextDlgMaker::createReleases(BuildManager& buildManager, Repository& repository,
                                                          bool showAllReleases)
{
    return std::make_unique<TextDlgReleases>(console_, buildManager, repository, showAllReleases, Opsys());
}

std::unique_ptr<DlgInstTypes> TextDlgMaker::createInstTypes(BuildManager& buildManager,
                                                            ComponentManager& componentManager)
{
    return std::make_unique<TextDlgInstTypes>(console_, buildManager, componentManager);
}

std::unique_ptr<DlgComponents> TextDlgMaker::createComponents(ComponentManager& componentManager,
                                                              BuildManager& buildManager)
{
    return std::make_unique<TextDlgComponents>(console_, componentManager, buildManager);
}

std::unique_ptr<DlgOptions> TextDlgMaker::createOptions(ParamManager& params, Repository&)
{
    return std::make_unique<TextDlgOptions>(console_, params);
}

std::unique_ptr<DlgPackages> TextDlgMaker::createPackages(const std::vector<const Package*>& packages,
                                                          Repository& repository)
{
    return std::make_unique<TextDlgPackages>(console_, packages, repository);
}

std::unique_ptr<DlgYesNo> TextDlgMaker::createYesNo(const std::string& question)
{
    return std::make_unique<TextDlgYesNo>(console_, question, true);
}

std::unique_ptr<DlgYesNo> TextDlgMaker::createYesNoDefaultNo(const std::string& question)
{
    return std::make_unique<TextDlgYesNo>(console_, question, false);
}

std::unique_ptr<DlgMessage> TextDlgMaker::createMessage(const std::string& text)
{
    return std::make_unique<TextDlgMessage>(console_, text);
}

std::unique_ptr<DlgPrompt> TextDlgMaker::createPrompt(const std::string& question, const std::string& defaultAnswer)
{
    return std::make_unique<TextDlgPrompt>(console_, question, defaultAnswer);
}
