#pragma once

#include "installer/catalogue/Release.h"

#include <string>
#include <vector>

// Narrows the catalogue's releases to the operator's tiers: of each product, the
// first release (in list order) that carries a tier tag is kept for that tag, and
// so are the installed release and the releases named in `keep`. A release that
// matches no tier but is the first of its product promoted to a tier not yet taken
// goes to `cropped` (still offered, outside the tiers); every other release is
// dropped. The kept releases replace `releases`, in their order, and carry the tier
// that kept them as tier text.
//
// An empty tier list filters nothing and leaves both lists as they are. The
// releases' installed state must have been checked.
void cropReleasesByTags(std::vector<ReleasePtr>& releases, std::vector<ReleasePtr>& cropped,
                        const std::vector<std::string>& tiers, const std::vector<std::string>& keep);
