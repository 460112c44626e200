#include "installer/catalogue/findRelease.h"

#include "common/packages/Version.h"

ReleasePtr findRelease(const std::vector<ReleasePtr>& releases, const std::string& releaseId)
{
    for (const ReleasePtr& release : releases)
        if (release->id() == releaseId) return release;
    return ReleasePtr();
}

ReleasePtr findReleaseByVersion(const std::vector<ReleasePtr>& releases, const std::string& productId,
                                const std::string& version)
{
    const Version wanted(version);
    for (const ReleasePtr& release : releases)
        if (release->product()->id == productId && release->getVersion() == wanted) return release;
    return ReleasePtr();
}

std::vector<std::string> findInstalledProductIds(const std::vector<ReleasePtr>& releases)
{
    std::vector<std::string> ids;
    for (const ReleasePtr& release : releases)
        if (release->isInstalled()) ids.push_back(release->product()->id);
    return ids;
}
