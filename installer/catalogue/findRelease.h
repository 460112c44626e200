#pragma once

#include "installer/catalogue/Release.h"

#include <string>
#include <vector>

// Lookups over a list of releases, shared by the build manager (over its kept
// releases) and the selectors (over the releases the driver hands them).
// Products are compared by exact id; the releases' installed state must have
// been checked where a lookup asks for it.

// The release with the id, or none.
ReleasePtr findRelease(const std::vector<ReleasePtr>& releases, const std::string& releaseId);
// The product's release whose version equals `version` (compared as versions, so
// "12.5.30" and "0:12.5.30" name one release), or none.
ReleasePtr findReleaseByVersion(const std::vector<ReleasePtr>& releases, const std::string& productId,
                                const std::string& version);
// The ids of the products with an installed release, in list order.
std::vector<std::string> findInstalledProductIds(const std::vector<ReleasePtr>& releases);
