#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

class BuildManager;
class ComponentManager;

// The action-time statistics of a run that reaches the install step: when it
// ran, how long it took, whether it succeeded, which release of the main product
// it installed or updated, and what happened to each component. One "action"
// record per run is appended to "kw_action_time.xml" in the log directory; the
// file keeps the records of every run.
//
// The statistics never fail an installation: whatever goes wrong ends in one
// level-2 log line. The file is replaced whole through a temporary file, so a
// failed save leaves the earlier file as it was; a file that cannot be read as
// statistics is kept aside under a ".bad-" name rather than overwritten.
class TimeReport {
public:
    struct ComponentRecord {
        std::string name;  // "<product id>/<component>"
        std::string mode;  // "I" install, "U" update, "R" remove
        std::string from;  // versions, for "U" only
        std::string to;
    };
    struct ReleaseRecord {
        std::string releaseId;
        std::string actionName;
        int updateMode;
    };

    static constexpr const char* directory = "/var/log/zarni/install";
    static constexpr const char* fileName = "kw_action_time.xml";

    // Starts the clock.
    TimeReport();

    // Takes the duration and status, collects the main product's selected and
    // installed releases and the components to install, update or remove, and
    // appends the record to the file. Never raises.
    void report(BuildManager& builds, ComponentManager& components, bool success);

    // Appends the collected record to the file. Raises std::runtime_error for a
    // record that cannot be built (no release of the main product, or more than
    // two); logs and returns when the directory is missing or the file cannot be
    // written.
    void save();

    const std::vector<ComponentRecord>& componentRecords() const { return components_; }
    const std::vector<ReleaseRecord>& releaseRecords() const { return releases_; }

private:
    class BuildReporter;
    class ComponentReporter;

    std::chrono::system_clock::time_point start_;
    long long duration_ = 0;
    std::string status_;
    std::vector<ComponentRecord> components_;
    std::vector<ReleaseRecord> releases_;
};

// "<name> <mode>[ <from> -> <to>]".
std::ostream& operator<<(std::ostream& out, const TimeReport::ComponentRecord& record);
