#pragma once

#include "installer/engine/GpgKeyManager.h"

#include <string>
#include <vector>

// Keys for rpm's database. The product's own old keys leave the database once
// per import pass, before its first import: removing them before every import
// would leave only the key imported last, and the packages of the other builds
// would fail their signature check.
class YumGpgKeyManager : public GpgKeyManager {
public:
    static constexpr const char* rpmProgram = "/bin/rpm";

    // The summaries ("gpg(<user id>)") under which rpm lists the product team's
    // older and current signing keys.
    static const std::vector<std::string>& productKeySummaries();

    // The path of rpm is the system's; tests give their own.
    explicit YumGpgKeyManager(const std::string& rpm = rpmProgram);

    void importKey(const std::string& keyText) override;
    // Erases the keys whose summary is one of the product's from rpm's database.
    // Failures are logged, not raised: an old key left behind does not stop the
    // import of the new one.
    void removeInstalledZarniKeys();

private:
    std::string rpm_;
    bool oldKeysRemoved_ = false;
};
