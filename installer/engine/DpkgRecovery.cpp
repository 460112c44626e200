#include "installer/engine/DpkgRecovery.h"

#include "installer/engine/SystemPackageTools.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <dirent.h>

#include <algorithm>
#include <sstream>

namespace {

bool journalHoldsEntries()
{
    DIR* journal = ::opendir(DpkgRecovery::journalDirectory);
    if (!journal) return false;
    bool found = false;
    while (const dirent* entry = ::readdir(journal)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            found = true;
            break;
        }
    }
    ::closedir(journal);
    return found;
}

}  // namespace

std::string DpkgRecovery::audit()
{
    std::string text;
    if (journalHoldsEntries())
        text = std::string("dpkg's journal ") + journalDirectory + " holds a change that was not finished\n";
    std::ostringstream output;
    executeCommand(std::string(SystemPackageTools::dpkg) + " --audit", false, false, &output, &output);
    return text + output.str();
}

std::vector<std::string> DpkgRecovery::packagesOf(const std::string& audit)
{
    std::vector<std::string> names;
    std::istringstream lines(audit);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] != ' ') continue;
        std::istringstream words(line);
        std::string name;
        if (words >> name && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

std::string DpkgRecovery::hint()
{
    return "dpkg was interrupted in an earlier run; the installation runs 'dpkg --configure -a' before it changes "
           "anything.";
}

void DpkgRecovery::recoverOnce()
{
    const std::string before = audit();
    if (before.empty()) return;
    Log(0, true) << "Warning: dpkg was interrupted in an earlier run and did not finish; running 'dpkg --configure -a' "
                    "once:\n"
                 << before;
    executeCommandToEnd("DEBIAN_FRONTEND=noninteractive " + std::string(SystemPackageTools::dpkg) +
                            " --force-confdef --force-confold --configure -a",
                        true, nullptr, nullptr, "Waiting for the package manager to finish before stopping...");
    const std::string after = audit();
    if (after.empty()) {
        Log(0, true) << "dpkg has finished the interrupted changes.";
        return;
    }
    Log(1, true) << "Error: dpkg is still not clean after 'dpkg --configure -a':\n" << after;
    throw unfinished(after);
}

error DpkgRecovery::unfinished(const std::string& audit)
{
    std::string names;
    for (const std::string& name : packagesOf(audit)) names += (names.empty() ? "" : " ") + name;
    if (names.empty()) names = "<the packages dpkg --audit names>";
    error failure(4, 1, 3, 2);
    failure << (Messages::format("err_dpkg_interrupted") % names % names);
    return failure;
}
