#include "installer/engine/TimeReport.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/Version.h"
#include "common/xmlbind.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <stdexcept>

namespace {

// The main product: only its releases are recorded.
const char* const kMainProduct = "zarni";

// Local time in the form YYYYMMDDTHHMMSS.
std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local;
    if (!localtime_r(&now, &local)) throw std::runtime_error("could not convert calendar time to local time");
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%S", &local);
    return text;
}

}  // namespace

class TimeReport::BuildReporter : public BuildManager::Visitor {
public:
    explicit BuildReporter(std::vector<ReleaseRecord>& records) : records_(records) {}
    void visitRelease(const ReleasePtr& release) override
    {
        if (release->product()->id != kMainProduct) return;
        if (!release->isSelected() && !release->isInstalled()) return;
        records_.push_back({release->id(), release->getActionName(), release->getUpdateMode()});
    }

private:
    std::vector<ReleaseRecord>& records_;
};

class TimeReport::ComponentReporter : public ComponentManager::Visitor {
public:
    explicit ComponentReporter(std::vector<ComponentRecord>& records) : records_(records) {}
    void visit(KwComponentPtr component) override
    {
        if (component->willBeRemoved()) {
            records_.push_back({component->getFullName(), "R", "", ""});
        } else if (component->isScheduledForInstall()) {
            if (component->isInstalled())
                records_.push_back(
                    {component->getFullName(), "U", component->localVersion(), component->serverVersion()});
            else
                records_.push_back({component->getFullName(), "I", "", ""});
        }
    }

private:
    std::vector<ComponentRecord>& records_;
};

TimeReport::TimeReport() : start_(std::chrono::system_clock::now()) {}

void TimeReport::report(BuildManager& builds, ComponentManager& components, bool success)
{
    duration_ = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now() - start_).count();
    status_ = success ? "success" : "failed";
    try {
        releases_.clear();
        components_.clear();
        BuildReporter buildReporter(releases_);
        builds.accept(buildReporter);
        ComponentReporter componentReporter(components_);
        components.visit(componentReporter);
        save();
    } catch (const std::exception& failure) {
        Log(2, true) << "Unable to save time statistics to file - " << failure.what();
    } catch (const error& failure) {
        // The catalogue's own failures (a release in an unexpected state) keep
        // their text in the log.
        std::string text = failure.text();
        while (!text.empty() && text.back() == '\n') text.pop_back();
        Log(2, true) << "Unable to save time statistics to file - " << text;
    } catch (...) {
        // The statistics never fail an installation, whatever went wrong.
        Log(2, true) << "Unable to save time statistics to log file: unexpected error";
    }
}

void TimeReport::save()
{
    const std::string now = timestamp();
    auto action = std::make_unique<TiXmlElement>("action");
    action->SetAttribute("version", "1.0.0");
    action->SetAttribute("timestamp", now);
    action->SetAttribute("duration", std::to_string(duration_));
    action->SetAttribute("status", status_);

    std::vector<ReleaseRecord> releases = releases_;
    std::stable_sort(releases.begin(), releases.end(), [](const ReleaseRecord& a, const ReleaseRecord& b) {
        return Version(b.releaseId) < Version(a.releaseId);
    });
    TiXmlElement release("release");
    if (releases.size() == 1) {
        if (releases[0].updateMode == 1) {
            release.SetAttribute("version", "");
            release.SetAttribute("new_version", releases[0].releaseId);
        } else {
            release.SetAttribute("version", releases[0].releaseId);
        }
    } else if (releases.size() == 2) {
        release.SetAttribute("version", releases[1].releaseId);
        release.SetAttribute("new_version", releases[0].releaseId);
    } else {
        throw std::runtime_error("unexpected releases quantity");
    }
    const bool componentUpdates = releases[0].actionName == "up2date" && !components_.empty();
    release.SetAttribute("mode", componentUpdates ? "update" : releases[0].actionName);
    action->InsertEndChild(release);

    TiXmlElement components("components");
    for (const ComponentRecord& record : components_) {
        TiXmlElement component("component");
        component.SetAttribute("name", record.name);
        component.SetAttribute("mode", record.mode);
        if (record.mode == "U") {
            component.SetAttribute("from", record.from);
            component.SetAttribute("to", record.to);
        }
        components.InsertEndChild(component);
    }
    action->InsertEndChild(components);

    if (!fileops::is_directory(directory)) {
        Log(2, true) << "Unable to save time statistics: missed directory " << directory;
        return;
    }
    const std::string path = std::string(directory) + "/" + fileName;
    xmlbind::Document document;
    const bool loaded = fileops::exists(path) && document.LoadFile(path);
    TiXmlElement* root = loaded ? document.RootElement() : nullptr;
    if (!root || root->ValueStr() != "reports") {
        if (fileops::exists(path)) {
            // Earlier records are never thrown away: the unreadable file stays
            // beside the new one.
            std::string aside = path + ".bad-" + now;
            for (int n = 1; fileops::exists(aside); ++n) aside = path + ".bad-" + now + "-" + std::to_string(n);
            if (std::rename(path.c_str(), aside.c_str()) != 0) {
                const std::string reason = std::strerror(errno);
                Log(2, true) << "Unable to save time statistics to file: " << path
                             << " cannot be read as statistics and cannot be moved aside: " << reason;
                return;
            }
            Log(2, true) << "Time statistics file " << path << " cannot be read as statistics, kept as " << aside;
        }
        document.Clear();
        document.InsertEndChild(TiXmlDeclaration("1.0", "UTF-8", "yes"));
        root = document.InsertEndChild(TiXmlElement("reports"))->ToElement();
    }
    root->LinkEndChild(action.release());
    try {
        document.save(path);
    } catch (const xmlbind::err& failure) {
        Log(2, true) << "Unable to save time statistics to file: " << failure.message;
    }
}

std::ostream& operator<<(std::ostream& out, const TimeReport::ComponentRecord& record)
{
    out << record.name << " " << record.mode;
    if (record.mode == "U") out << " " << record.from << " -> " << record.to;
    return out;
}
