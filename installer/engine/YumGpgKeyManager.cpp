#include "installer/engine/YumGpgKeyManager.h"

#include "installer/engine/SystemPackageTools.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <algorithm>
#include <sstream>

const std::vector<std::string>& YumGpgKeyManager::productKeySummaries()
{
    static const std::vector<std::string> summaries = {
        "gpg(Zarni Release Team <release@zarni.example>)",
        "gpg(Zarni Packaging <packaging@zarni.example>)",
    };
    return summaries;
}

YumGpgKeyManager::YumGpgKeyManager(const std::string& rpm) : rpm_(rpm) {}

void YumGpgKeyManager::importKey(const std::string& keyText)
{
    if (!oldKeysRemoved_) {
        removeInstalledZarniKeys();
        oldKeysRemoved_ = true;
    }
    const AutoremovedTempfile keyFile(keyText);
    std::ostringstream output;
    if (executeCommand(shellQuote(rpm_) + " --import " + shellQuote(keyFile.path()), true, false, &output, &output) !=
        0)
        throw error(4, 1, 1, 2) << "Unable to import GPG key.";
}

void YumGpgKeyManager::removeInstalledZarniKeys()
{
    const std::string query = shellQuote(rpm_) + " -qa '" + SystemPackageTools::rpmKeyPackages +
                              "' --queryformat '%{Name}-%{Version}-%{Release} %{Summary}\\n'";
    std::vector<std::string> names;
    std::ostringstream output;
    std::ostringstream errors;
    try {
        const int status = executeCommand(query, true, false, &output, &errors);
        std::istringstream lines(output.str());
        std::string line;
        while (std::getline(lines, line)) {
            const std::string::size_type blank = line.find(' ');
            if (blank == std::string::npos) {
                Log(3, true) << "Unable to find whitespace delimeter in line: " << line;
                continue;
            }
            const std::string summary = line.substr(blank + 1);
            const auto& ours = productKeySummaries();
            if (std::find(ours.begin(), ours.end(), summary) != ours.end()) names.push_back(line.substr(0, blank));
        }
        if (status != 0) Log(2, true) << "removeInstalledZarniKeys: " << query << "\n" << errors.str();
    } catch (const error& failure) {
        Log(2, true) << "removeInstalledZarniKeys: " << query << "\n" << failure.text();
    }
    if (names.empty()) return;

    std::string erase = shellQuote(rpm_) + " -e --allmatches";
    for (const std::string& name : names) erase += " " + shellQuote(name);
    try {
        std::ostringstream eraseOutput;
        executeCommand(erase, true, false, &eraseOutput, &eraseOutput);
    } catch (const error& failure) {
        Log(2, true) << "removeInstalledZarniKeys: " << erase << "\n" << failure.text();
    }
}
