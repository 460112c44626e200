#include "installer/wizard/TextDlgMaker.h"

#include "installer/wizard/DlgComponents.h"
#include "installer/wizard/DlgInstTypes.h"
#include "installer/wizard/DlgOptions.h"
#include "installer/wizard/DlgPackages.h"
#include "installer/wizard/DlgReleases.h"
#include "installer/wizard/TextConsole.h"
#include "installer/wizard/TextDlgHello.h"
#include "installer/wizard/TextDlgMessage.h"
#include "installer/wizard/TextDlgPrompt.h"
#include "installer/wizard/TextDlgYesNo.h"

#include "common/error.h"

namespace {

// A page this build does not have yet: the driver must not go on as if it had
// been shown.
[[noreturn]] void pageMissing(error failure, const char* page)
{
    failure << " The text-mode " << page << " page is not available in this build.";
    throw failure;
}

}  // namespace

std::unique_ptr<DlgMaker> DlgMaker::create() { return std::make_unique<TextDlgMaker>(TextConsole::standard()); }

std::unique_ptr<DlgHello> TextDlgMaker::createHello() { return std::make_unique<TextDlgHello>(console_); }

std::unique_ptr<DlgAdvSettings> TextDlgMaker::createAdvSettings(const DlgAdvSettings::Settings&)
{
    pageMissing(KW_INTERNAL_ERROR(), "advanced settings");
}

std::unique_ptr<DlgReleases> TextDlgMaker::createReleases(BuildManager&, Repository&, bool)
{
    pageMissing(KW_INTERNAL_ERROR(), "releases");
}

std::unique_ptr<DlgInstTypes> TextDlgMaker::createInstTypes(BuildManager&, ComponentManager&)
{
    pageMissing(KW_INTERNAL_ERROR(), "installation types");
}

std::unique_ptr<DlgComponents> TextDlgMaker::createComponents(ComponentManager&, BuildManager&)
{
    pageMissing(KW_INTERNAL_ERROR(), "components");
}

std::unique_ptr<DlgOptions> TextDlgMaker::createOptions(ParamManager&, Repository&)
{
    pageMissing(KW_INTERNAL_ERROR(), "component settings");
}

std::unique_ptr<DlgPackages> TextDlgMaker::createPackages(const std::vector<const Package*>&, Repository&)
{
    pageMissing(KW_INTERNAL_ERROR(), "packages");
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
