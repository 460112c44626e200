#pragma once

#include "installer/engine/Examination.h"
#include "installer/engine/ExamineResult.h"

#include "common/Opsys.h"
#include "common/checked_pointer.h"

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

class Build;
class ComponentManager;
class FileFetcher;
struct ExamineStep;

// The examination scripts of a run: the checks the catalogue attaches to builds
// and components, run before the installation (pre-examination) and after it
// (post-examination). A script passes with exit code 0; exit code 2 is a failed
// check that blocks the installation; any other end is a warning.
//
// The examinations that apply to the selection are registered once, at
// construction, so the selection must be final by then. Each phase runs at most
// once: a second call answers from the first run's results. A phase that finds
// nothing to run leaves its flag clear. The post-examination after a failed
// installation shares the post phase with the one after a good installation;
// whichever runs first wins.
//
// A script runs as the leader of a process group of its own, with an empty
// standard input; a termination request stops it (SIGTERM, SIGKILL after the
// grace time) and raises Progress::Interrupted, and a script still running at the
// time limit is stopped the same way and reported as a warning. Used on the
// thread that drives the installation only.
class ComponentsExamine {
public:
    struct Limits {
        std::chrono::milliseconds timeLimit = std::chrono::minutes(30);
        std::chrono::milliseconds stopGrace = std::chrono::seconds(10);
    };

    // Registers the examinations of the components scheduled for installation
    // or removal in the manager's tree. `system` is the running system, against
    // which an addon build finds its release's own build. The fetcher must
    // outlive the object; a null manager raises std::invalid_argument.
    ComponentsExamine(ComponentManager* components, FileFetcher* fetcher, const Opsys& system = Opsys());
    ComponentsExamine(const ComponentsExamine&) = delete;
    ComponentsExamine& operator=(const ComponentsExamine&) = delete;

    // Copies the installation type chosen per product; a null manager raises
    // std::invalid_argument ("setInstallationType: Invalid argument 'componentManager'.").
    void setInstallationType(const ComponentManager* components);

    // Run the pre- or post-examinations (with `skip`, only those marked always);
    // true when none reported anything. A script or launcher that cannot be
    // fetched raises the fetcher's error with the examination named; the results
    // so far stay and the phase counts as not run.
    bool doPreExamine(bool skip);
    bool doPostExamine(bool skip);
    // The post-examinations after a failed installation: only those marked
    // always, told the return code 1.
    bool doFailurePostExamine();

    static bool hasUnpassed(const std::vector<ExamineResult>& results);

    const std::vector<ExamineResult>& preResults() const { return preResults_; }
    const std::vector<ExamineResult>& postResults() const { return postResults_; }
    const std::vector<Examination>& preExaminations() const { return preExaminations_; }
    const std::vector<Examination>& postExaminations() const { return postExaminations_; }

    void setLimits(const Limits& limits) { limits_ = limits; }

private:
    class GetComponentForExamine;

    // The examinations of the build, and of its release's own build for the
    // running system when it is an addon build; each build once.
    void registerBuild(const Build& build, std::set<const Build*>& handled);
    void registerExamination(const ExamineStep& step, int mode, const std::string& owner, const Build& build);
    // One phase: the step announced, the list run, the flag set.
    bool runPhase(const char* operation, const char* stepId, const std::vector<Examination>& examinations,
                  bool skip, int returnCode, std::vector<ExamineResult>& results, bool& done);
    // Runs one examination; appends a result when it did not pass cleanly.
    void run(const Examination& examination, const Examination::RunValues& values,
             std::vector<ExamineResult>& results);
    // The local path of a file the examination names.
    std::string fetch(const Examination& examination, const std::string& path);
    Examination::RunValues runValues(int returnCode) const;

    std::vector<Examination> preExaminations_;
    std::vector<Examination> postExaminations_;
    checked_pointer<FileFetcher> fetcher_;
    std::vector<ExamineResult> preResults_;
    std::vector<ExamineResult> postResults_;
    bool preDone_ = false;
    bool postDone_ = false;
    std::map<std::string, std::string> installationTypes_;
    Opsys system_;
    Limits limits_;
};
