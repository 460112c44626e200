#pragma once

#include "installer/catalogue/Release.h"
#include "installer/options/Options.h"

#include <set>
#include <string>
#include <vector>

class BuildManager;

// The release a command-line selector means:
//   latest  - the product's kept release with the highest version;
//   current - the installed release: a product not installed raises error
//             (2,1,1,2) "err_prod_nocurrent", an installed version the
//             catalogue no longer offers error (2,1,1,2) "err_rel_nocurrent",
//             both naming the product;
//   exact   - the release id the selector names.
// Any other kind is an internal error.
std::string resolveReleaseSelector(const Options::ProductSelection& selector, const BuildManager& builds);

// Selects the release of each product selection of the options, in their
// order (selecting one unselects the product's others; unknown products and
// releases raise the catalogue's errors). A null build manager is an internal
// error.
void selectRequestedReleases(BuildManager* builds);

// The product ids of the selected releases whose update mode is neither a
// minor update (2) nor a major upgrade (3): the products the interactive
// driver offers installation types for.
std::set<std::string> collectNotUpdatedProducts(const std::vector<ReleasePtr>& releases);
