#pragma once

#include "installer/catalogue/ExamineStep.h"

#include "common/packages/Action.h"

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class BuildInfFile;
class Opsys;
class Package;
class Release;

// One release of a product for one operating system: the system it is for and
// the path of its build information file. The catalogue reader makes it; the
// build loader fills the rest from that file when the release is loaded.
class Build {
public:
    // Build-level bootstrap actions; the list owns them for as long as the
    // catalogue lives.
    typedef std::vector<std::shared_ptr<Action>> ActionList;

    // `parent` is empty for the builds of an addon. The build is deprecated exactly
    // when `deprecated` is "true": the catalogue's attribute is case-sensitive.
    Build(const boost::shared_ptr<Release>& parent, const std::string& osName, const std::string& osVendor,
          const std::string& osVersion, const std::string& osArch, const std::string& environment,
          const std::string& config, const std::string& deprecated);
    Build(const Build&) = delete;
    Build& operator=(const Build&) = delete;

    // Whether the build runs on `system`: name, vendor, version and architecture
    // by the strict operating-system match; the environment takes no part.
    bool matches(const Opsys& system) const;

    // The release this build belongs to, or an addon's build the release it was
    // attached to; empty when there is none (or the catalogue has let it go).
    boost::shared_ptr<Release> getParent() const { return parent_.lock(); }
    // False for an addon build attached to the release. A build without a parent
    // release is an internal error.
    bool isOwnBuildOfParent() const;
    // Attaches an addon build to the release it fits.
    void setParent(const boost::shared_ptr<Release>& release);

    // Appends the packages and replaces the bootstrap actions.
    void setPackages(const std::vector<Package*>& packages, const ActionList& actions);

    const std::string& osName() const { return osName_; }
    const std::string& osVendor() const { return osVendor_; }
    const std::string& osVersion() const { return osVersion_; }
    const std::string& osArch() const { return osArch_; }
    // "" for any environment.
    const std::string& environment() const { return environment_; }
    // The path of the build information file below the installation source.
    const std::string& config() const { return config_; }
    bool isDeprecated() const { return deprecated_; }

    // The target-release text of the system (from the build information file).
    const std::string& osReleaseName() const { return osReleaseName_; }
    void setOsReleaseName(const std::string& name) { osReleaseName_ = name; }
    // Where the parameters of the build's components are exported; may be empty.
    const std::string& parametersFile() const { return parametersFile_; }
    void setParametersFile(const std::string& path) { parametersFile_ = path; }
    // The directory of the catalogue file that declared the build.
    const std::string& directory() const { return directory_; }
    void setDirectory(const std::string& directory) { directory_ = directory; }

    // Bootstrapper packages of the build information file, and its build-level
    // actions.
    const std::vector<Package*>& packages() const { return packages_; }
    const ActionList& bootstrapActions() const { return bootstrapActions_; }

    bool gpgCheck() const { return gpgCheck_; }
    const std::string& gpgPublicKey() const { return gpgPublicKey_; }
    void setGpg(bool check, const std::string& publicKey)
    {
        gpgCheck_ = check;
        gpgPublicKey_ = publicKey;
    }
    bool uninstallSupport() const { return uninstallSupport_; }
    void setUninstallSupport(bool support) { uninstallSupport_ = support; }

    // Build-level examination steps, each with the directory of its file.
    const std::vector<ExamineStep>& examines() const { return examines_; }
    void addExamine(const ExamineStep& step) { examines_.push_back(step); }

    // The build information file, once the build loader has read it.
    const boost::shared_ptr<BuildInfFile>& buildInfFile() const { return buildInfFile_; }
    void setBuildInfFile(const boost::shared_ptr<BuildInfFile>& file) { buildInfFile_ = file; }

private:
    std::string osName_;
    std::string osVendor_;
    std::string osVersion_;
    std::string osArch_;
    std::string osReleaseName_;
    std::string parametersFile_;
    std::string environment_;
    std::string config_;
    bool deprecated_;
    std::string directory_;
    std::vector<Package*> packages_;
    ActionList bootstrapActions_;
    bool gpgCheck_ = false;
    std::string gpgPublicKey_;
    bool uninstallSupport_ = false;
    std::vector<ExamineStep> examines_;
    // Weak: the release owns its builds, and a strong link back would keep both
    // alive for ever. The catalogue holds the releases while their builds are used.
    boost::weak_ptr<Release> parent_;
    boost::shared_ptr<BuildInfFile> buildInfFile_;
};

typedef boost::shared_ptr<Build> BuildPtr;

// "build for <name> <vendor> <version> <arch>[ under <environment>][ (<config>)]".
std::ostream& operator<<(std::ostream& out, const Build& build);
