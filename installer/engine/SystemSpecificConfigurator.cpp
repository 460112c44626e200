#include "installer/engine/SystemSpecificConfigurator.h"

#include "installer/sources/Downloader.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/fileops.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

SystemSpecificConfigurator::SystemSpecificConfigurator(SourceManager* sources, Repository* repository)
    : sources_(sources), repository_(repository)
{
}

SystemSpecificConfigurator::~SystemSpecificConfigurator() = default;

void SystemSpecificConfigurator::prepareAvailablePackagesList(const std::vector<std::string>&) {}

std::string SystemSpecificConfigurator::doCheckConfiguration() { return std::string(); }

void SystemSpecificConfigurator::configure()
{
    if (configured_) throw KW_INTERNAL_ERROR() << "the package manager configuration is made once per run";
    doConfigure();
    configured_ = true;
}

std::string SystemSpecificConfigurator::checkConfiguration()
{
    if (!configured_) throw KW_INTERNAL_ERROR() << "the package manager configuration is checked before it is made";
    if (!checkComputed_) {
        checkResult_ = doCheckConfiguration();
        checkComputed_ = true;
    }
    return checkResult_;
}

const Package* SystemSpecificConfigurator::getAvailablePackage(const std::string& name)
{
    if (!configured_) throw error(3, 1, 1, 3) << Messages::get("err_sysconf_init");
    return doGetAvailablePackage(name);
}

void SystemSpecificConfigurator::removeTemporarySources()
{
    if (configured_) doRemoveTemporarySources();
}

void SystemSpecificConfigurator::finishPersistentConfiguration()
{
    if (configured_) doFinishPersistentConfiguration();
}

void SystemSpecificConfigurator::doFinishPersistentConfiguration()
{
    if (commitChanges_) commitPersistentFiles();
    else restorePersistentFiles();
}

void SystemSpecificConfigurator::setCommitChanges()
{
    Log(3, true) << "SystemSpecificConfigurator: set commitChanges flag = true";
    commitChanges_ = true;
}

void SystemSpecificConfigurator::rollback()
{
    Log(3, true) << "SystemSpecificConfigurator: rollback";
    commitChanges_ = false;
    finishPersistentConfiguration();
}

void SystemSpecificConfigurator::backupFile(const std::string& path)
{
    if (!backedUpFiles_.insert(path).second) return;
    const std::string backup = path + backupSuffix;
    if (fileops::exists(path) && !fileops::exists(backup)) fileops::copy_file(path, backup);
}

void SystemSpecificConfigurator::writePersistentFile(const std::string& path, const std::string& content)
{
    backupFile(path);
    fileops::replace_file(path, content);
}

void SystemSpecificConfigurator::writeRepositoryFiles(const std::map<std::string, RepositoryFile>& files)
{
    for (const auto& file : files) {
        if (file.second.persistent) backupFile(file.first);
        writtenFiles_[file.first] = file.second.persistent;
        fileops::replace_file(file.first, file.second.content);
    }
    for (auto written = writtenFiles_.begin(); written != writtenFiles_.end();) {
        const std::string& path = written->first;
        if (files.count(path)) {
            ++written;
            continue;
        }
        const std::string backup = path + backupSuffix;
        if (written->second && fileops::exists(backup)) {
            Log(2, true) << "Info: source list '" << path << "' has no source any more: restored as before the run";
            fileops::copy_file(backup, path);
        } else {
            Log(2, true) << "Info: source list '" << path << "' has no source any more: removed";
            if (fileops::exists(path)) fileops::remove(path);
        }
        written = writtenFiles_.erase(written);
    }
}

std::string SystemSpecificConfigurator::productFileName(const std::string& productId, const std::string& build,
                                                        const char* what)
{
    const bool plain = !productId.empty() && productId[0] != '.' &&
                       std::all_of(productId.begin(), productId.end(), [](char c) {
                           return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-' ||
                                  c == '+';
                       });
    if (!plain)
        throw error(1, 1, 1, 3) << "The product id '" << productId << "' of " << build << " cannot name " << what
                                << ".";
    return productId;
}

void SystemSpecificConfigurator::commitPersistentFiles()
{
    Log(3, true) << "SystemSpecificConfigurator: commit persistent configuration";
    while (!backedUpFiles_.empty()) {
        const std::string path = *backedUpFiles_.begin();
        const std::string backup = path + backupSuffix;
        if (fileops::exists(backup)) fileops::remove(backup);
        backedUpFiles_.erase(path);
    }
}

void SystemSpecificConfigurator::restorePersistentFiles()
{
    Log(3, true) << "SystemSpecificConfigurator: rollback persistent configuration";
    // Each registration ends once its file is settled: a second restore would
    // otherwise delete the files this one put back, their backups being gone.
    while (!backedUpFiles_.empty()) {
        const std::string path = *backedUpFiles_.begin();
        const std::string backup = path + backupSuffix;
        if (fileops::exists(backup)) fileops::rename(backup, path);
        else fileops::remove(path);
        backedUpFiles_.erase(path);
    }
}

void exportProxyVariable()
{
    const Downloader::Proxy proxy = downloadProxy();
    if (proxy.host.empty()) return;
    std::string value = "http://";
    if (!proxy.user.empty()) value += proxy.user + ":" + proxy.password + "@";
    value += proxy.host + ":" + std::to_string(proxy.port);
    if (::setenv("http_proxy", value.c_str(), 1) != 0) Log(0, true) << Messages::get("err_set_proxyvar");
}
