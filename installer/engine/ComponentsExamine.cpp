#include "installer/engine/ComponentsExamine.h"

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/POpen.h"
#include "common/Progress.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace {

// The phase and mode an examination's scope asks for.
bool scopeFits(const std::string& scope, int mode, const char* phase)
{
    const std::string prefix = std::string(phase) + "_";
    if (scope.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string which = scope.substr(prefix.size());
    return (which == "install" && mode == KwComponent::MODE_INSTALL) ||
           (which == "upgrade" && mode == KwComponent::MODE_UPGRADE) ||
           (which == "update" && mode == KwComponent::MODE_UP2DATE) ||
           (which == "any" && mode != KwComponent::MODE_ERROR);
}

// The component mode that stands for what the run does to the release.
int releaseMode(const Release& release)
{
    switch (release.isActual() ? release.getUpdateMode() : Release::updateNotCalculated) {
    case Release::updateInstall: return KwComponent::MODE_INSTALL;
    case Release::updateMinor:
    case Release::updateMajor: return KwComponent::MODE_UPGRADE;
    case Release::updateInstalled: return KwComponent::MODE_UP2DATE;
    default: return KwComponent::MODE_ERROR;
    }
}

std::string workModeName(int mode)
{
    switch (mode) {
    case Options::modeTextWizard: return "INTERACTIVE_CONSOLE";
    case Options::modeCommandLine: return "NON_INTERACTIVE";
    case Options::modeWebBackEnd: return "INTERACTIVE_WEB_UI";
    default: return std::to_string(mode);
    }
}

// "SIGINT (2)", or the number alone for a signal without a name.
std::string signalText(int signalNumber)
{
    const char* name = sigabbrev_np(signalNumber);
    return name ? "SIG" + std::string(name) + " (" + std::to_string(signalNumber) + ")"
                : std::to_string(signalNumber);
}

// The error text of a script with a line of the installer's own after it.
std::string withLine(const std::string& text, const std::string& line)
{
    return text + (text.empty() || text.back() == '\n' ? "" : "\n") + line + "\n";
}

}  // namespace

class ComponentsExamine::GetComponentForExamine : public ComponentManager::Visitor {
public:
    explicit GetComponentForExamine(ComponentsExamine& owner) : owner_(owner) {}

    void visit(KwComponentPtr component) override
    {
        const bool installs = component->isScheduledForInstall();
        if (installs || component->willBeRemoved()) owner_.registerBuild(*component->getBuild(), handled_);
        if (!installs) return;
        for (const ExamineStep& step : component->examinations)
            owner_.registerExamination(step, component->getInstallMode(), component->name, *component->getBuild());
    }

private:
    ComponentsExamine& owner_;
    std::set<const Build*> handled_;
};

ComponentsExamine::ComponentsExamine(ComponentManager* components, FileFetcher* fetcher, const Opsys& system)
    : fetcher_(fetcher), system_(system)
{
    setInstallationType(components);
    GetComponentForExamine visitor(*this);
    components->visit(visitor);
}

void ComponentsExamine::setInstallationType(const ComponentManager* components)
{
    if (!components) throw std::invalid_argument("setInstallationType: Invalid argument 'componentManager'.");
    installationTypes_ = components->getInstallationTypes();
}

void ComponentsExamine::registerBuild(const Build& build, std::set<const Build*>& handled)
{
    if (!handled.insert(&build).second) return;
    const ReleasePtr release = build.getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    const int mode = releaseMode(*release);
    for (const ExamineStep& step : build.examines()) registerExamination(step, mode, release->name(), build);
    if (build.isOwnBuildOfParent()) return;
    // An addon's build stands in the release: the release's own build brings
    // the examinations of the product.
    if (const BuildPtr own = release->getBestBuild(system_)) registerBuild(*own, handled);
}

void ComponentsExamine::registerExamination(const ExamineStep& step, int mode, const std::string& owner,
                                            const Build& build)
{
    std::vector<Examination>* list = nullptr;
    if (scopeFits(step.scope, mode, "pre"))
        list = &preExaminations_;
    else if (scopeFits(step.scope, mode, "post"))
        list = &postExaminations_;
    if (!list) return;

    const ExamineScript script(step);
    for (const Examination& known : *list)
        if (known.script == script) return;

    Examination examination(script);
    examination.owner = owner;
    const ReleasePtr release = build.getParent();
    if (!release) throw KW_INTERNAL_ERROR();
    examination.fromVersion = release->installedVersion();
    examination.toVersion = release->getVersion().toString();
    examination.osName = build.osName();
    examination.osVersion = build.osVersion();
    examination.osArch = build.osArch();
    list->push_back(examination);
    Log(2, true) << "Examination added: " << script.name() << ", context=\"" << owner
                 << "\", script=" << script.scriptPath() << ", launcher=" << script.launcherPath() << ", options=\""
                 << script.options() << "\", always=" << (script.always() ? "true" : "false");
}

bool ComponentsExamine::doPreExamine(bool skip)
{
    return runPhase("doPreExamine", "examine_presetup", preExaminations_, skip, 0, preResults_, preDone_);
}

bool ComponentsExamine::doPostExamine(bool skip)
{
    return runPhase("doPostExamine", "examine_postsetup", postExaminations_, skip, 0, postResults_, postDone_);
}

bool ComponentsExamine::doFailurePostExamine()
{
    return runPhase("doFailurePostExamine", "examine_postsetup", postExaminations_, true, 1, postResults_,
                    postDone_);
}

bool ComponentsExamine::hasUnpassed(const std::vector<ExamineResult>& results)
{
    for (const ExamineResult& result : results)
        if (result.unpassed) return true;
    return false;
}

bool ComponentsExamine::runPhase(const char* operation, const char* stepId,
                                 const std::vector<Examination>& examinations, bool skip, int returnCode,
                                 std::vector<ExamineResult>& results, bool& done)
{
    if (done) {
        Log(1, true) << "ComponentsExamine::" << operation << ": already has results";
        return results.empty();
    }
    if (examinations.empty()) {
        Log(1, true) << "ComponentsExamine::" << operation << ": no components for examination";
        return true;
    }
    Progress::stepAndLog(stepId, Messages::get("examine_perform"));
    results.clear();
    const Examination::RunValues values = runValues(returnCode);
    for (const Examination& examination : examinations) {
        if (skip && !examination.script.always()) continue;
        run(examination, values, results);
    }
    done = true;
    return results.empty();
}

Examination::RunValues ComponentsExamine::runValues(int returnCode) const
{
    Examination::RunValues values;
    values.returnCode = returnCode;
    values.home = get_home_dir();
    for (const auto& type : installationTypes_)
        values.preset += (values.preset.empty() ? "" : " ") + type.first + ":" + type.second;
    values.workMode = workModeName(Options::getInstance().mode);
    values.arguments = Options::getCommandLine();
    if (!values.arguments.empty() && values.arguments.back() == ' ') values.arguments.pop_back();
    return values;
}

std::string ComponentsExamine::fetch(const Examination& examination, const std::string& path)
{
    try {
        return fetcher_->getFile(path);
    } catch (error& failure) {
        failure.addLevel(1, 1, 1, 2) << (Messages::format("err_examine_launch_failed") % examination.script.name());
        throw;
    }
}

void ComponentsExamine::run(const Examination& examination, const Examination::RunValues& values,
                            std::vector<ExamineResult>& results)
{
    const ExamineScript& script = examination.script;
    // Checked before anything is fetched: options the shell cannot read stop here.
    const std::string options = examination.expandOptions(values);
    const std::string scriptFile = fetch(examination, script.scriptPath());
    std::string program = scriptFile;
    std::string arguments = options;
    if (!script.launcherPath().empty()) {
        program = fetch(examination, script.launcherPath());
        arguments = shellQuote(scriptFile) + " " + options;
    }

    if (::chmod(program.c_str(), 0700) != 0) {
        const std::string reason = std::strerror(errno);
        Log(1, true) << "Warning: cannot make " << program << " executable: " << reason;
    }
    // Labels the program for SELinux; without SELinux chcon fails, which is fine.
    executeCommand("chcon system_u:object_r:bin_t:s0 " + shellQuote(program), false, false);

    const std::string command = shellQuote(program) + " " + arguments;
    std::istringstream noInput;
    std::ostringstream output, errorOutput;
    int status = 0;
    bool timedOut = false;
    {
        // exec: the script itself leads the group and its end is the status.
        std::unique_ptr<POpen> process = startProcessGroup("exec " + command, &noInput, &output, &errorOutput);
        process->setCancelable(true);
        process->setTimeLimit(limits_.timeLimit);
        process->setStopGrace(limits_.stopGrace);
        status = process->wait(false);
        timedOut = process->timedOut();
    }

    ExamineResult result;
    result.name = script.name();
    result.output = output.str();
    result.error = errorOutput.str();
    std::string code;
    if (timedOut) {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limits_.timeLimit).count();
        code = "none, stopped at the time limit";
        result.error = withLine(result.error, (Messages::format("examine_time_limit") % seconds).str());
    } else if (WIFSIGNALED(status)) {
        code = "none, ended by signal " + signalText(WTERMSIG(status));
        const std::string line = (Messages::format("examine_signal") % signalText(WTERMSIG(status))).str();
        result.error = withLine(result.error, line);
    } else {
        code = std::to_string(WEXITSTATUS(status));
        result.unpassed = WEXITSTATUS(status) == 2;
    }
    Log(2, true) << "Examination executed [" << command << "] with code " << code;
    Log(2, true) << " Output:";
    Log(2, true) << result.output;
    Log(2, true) << " Error:";
    Log(2, true) << errorOutput.str();
    if (timedOut || WIFSIGNALED(status) || WEXITSTATUS(status) != 0) results.push_back(result);
}
