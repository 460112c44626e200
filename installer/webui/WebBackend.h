#pragma once

#include "installer/webui/BackendProtocol.h"
#include "installer/webui/PageHistory.h"
#include "installer/webui/RecoveryRecord.h"

#include "installer/catalogue/ProductInf3FileGuard.h"
#include "installer/sources/SourceUrl.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class BuildManager;
class ComponentManager;
class ComponentsChangeset;
class ComponentsExamine;
class FileFetcher;
class InstallationThread;
class Installer;
class ParamManager;
class Repository;
class SourceManager;
class WebServerLauncher;
class WebUiTransport;
class bg_self_upgrade_task;
class error;

namespace driver {
class auto_configurator;
}

// The web wizard's back end (run mode 2): owns every object of the wizard,
// starts the front end, and serves the front end's commands one at a time over
// the local socket, one request and one reply per connection.
//
// Commands mostly record what was asked and set a flag; the work stages, run
// at the top of every pass of the loop, carry the request out and complete the
// reply, which is sent just before the loop waits for the next command. The
// wizard's position is the page history. The installation and the download of
// a newer installer run on background threads (InstallationThread,
// bg_self_upgrade_task); while a job exists, the commands that would change
// or read the objects it works with are refused.
//
// Used on the main thread only.
class WebBackend {
public:
    // The transport's socket path and wait limit: the defaults unless a test
    // names others. The front end starts as the options say.
    WebBackend();
    ~WebBackend();
    WebBackend(const WebBackend&) = delete;
    WebBackend& operator=(const WebBackend&) = delete;

    // The command loop. Returns after an exit command; otherwise left by
    // WebUiTransport::timeout (idle, no job running), Progress::Interrupted (a
    // termination signal no job takes over, or one the job kept),
    // driver::SystemExit (kept by the job).
    void run();

private:
    class BadPage {};

    // --- The loop ---
    // False when a stage ended the pass early.
    bool runStages();
    void handleCommand();
    void dispatch(BackendProtocol::Request& request);
    void refuseWhileJob() const;
    void requireComponents() const;
    // A command reading the component tree: a kept failure first, then the
    // tree must exist and no job may be working with it.
    void admitComponentsRead() const;
    void admitPage(const std::string& page) const;

    // --- Commands ---
    void getReleasesList();
    void setPreferences(BackendProtocol::Request& request);
    BackendProtocol::Preferences currentPreferences() const;
    bool sourceLocked() const;
    void getComponentsForUpdate();
    void sendProgress(bool delta);
    void getProductIcon(const xmlbind::ElementHandle& root);
    void answerSelfUpgrade(const std::string& command, const xmlbind::ElementHandle& root);
    [[noreturn]] void restartSelfUpgraded();
    void startSelfUpgrade();

    // --- Stages ---
    void catalogueStage();
    void applyCommandLineReleases();
    bool releaseStage();
    void buildStage();
    void presetStage();
    void listStage();
    bool componentStage();
    void selectionCheck();
    void examinationStage();
    void parameterStage();
    void parameterValuesStage();
    void installationStart();
    // Log "Error: " with the text and record the failure.
    void recordFailure(const error& failure);
    // The component list with the changeset and its dependency report.
    void sendChangeset(const ComponentsChangeset& changeset);

    // --- Resets ---
    void stageReset();
    void preferencesReset();
    void fullReset();

    // Options snapshot.
    SourceUrl source_;
    std::string target_;
    std::string startPage_;

    // Objects of the wizard, in the order they are released at the end
    // (reverse of this list).
    std::unique_ptr<Repository> repository_;
    std::unique_ptr<FileFetcher> fetcher_;
    std::unique_ptr<BuildManager> builds_;
    std::unique_ptr<ComponentManager> components_;
    std::unique_ptr<SourceManager> sources_;
    std::unique_ptr<ParamManager> params_;
    std::unique_ptr<driver::auto_configurator> configurator_;
    std::vector<ProductInf3FileGuardPtr> buildFiles_;
    std::unique_ptr<ComponentsExamine> examine_;
    std::unique_ptr<Installer> installer_;
    std::unique_ptr<InstallationThread> job_;
    std::unique_ptr<bg_self_upgrade_task> selfUpgrade_;
    std::unique_ptr<BackendProtocol> reply_;
    std::unique_ptr<WebUiTransport> transport_;
    std::unique_ptr<WebServerLauncher> launcher_;

    // Pending requests.
    std::vector<BackendProtocol::ProductSelection> productSelections_;
    std::vector<BackendProtocol::ComponentSelection> componentSelections_;
    BackendProtocol::ParamValues paramValues_;
    std::vector<std::string> presetProducts_;

    PageHistory pages_;
    RecoveryRecord recovery_;
    std::string lastConfigurationCheck_;
    // Icons fetched, by product id and state, for the life of the back end.
    std::map<std::string, std::string> icons_;

    bool exitRequested_ = false;
    bool timeoutPending_ = false;
    bool componentsRequested_ = false;
    bool commandLineReleasesApplied_ = false;
    bool productSelectionMade_ = false;
    bool presetPending_ = false;
    bool releasesListRequested_ = false;
    bool componentsApplied_ = false;
    bool examineRequested_ = false;
    bool preExaminePassed_ = false;
    bool installRequested_ = false;
};
