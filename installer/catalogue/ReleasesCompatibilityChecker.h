#pragma once

#include "installer/catalogue/BuildManager.h"

#include <ostream>
#include <string>
#include <vector>

class Repository;

// Looks at every pair of selected, not installed releases of different
// products (walked with BuildManager::accept). A product that declares the other
// incompatible makes the selection an error; a release that names versions of
// the other product it works best with, none of them the selected one, gives a
// warning and a suggestion. The callers decide: the command line refuses an
// error, the wizards show both.
class ReleasesCompatibilityChecker : public BuildManager::Visitor {
public:
    struct Suggestion {
        std::string productId;
        std::string productName;
        // Version parts, without epoch and release.
        std::string bestVersion;
        std::string selectedVersion;
    };
    // The suggestions for the other products of one product's selected release.
    struct SuggestionEntry {
        std::string productId;
        std::string productName;
        std::string version;
        std::vector<Suggestion> suggestions;
    };

    ReleasesCompatibilityChecker(const BuildManager& manager, const Repository* repository);

    void visitRelease(const ReleasePtr& release) override;

    bool isWarning() const { return !warnings_.empty(); }
    bool isError() const { return !errors_.empty(); }
    // Each warning preceded by a line end.
    const std::string& getWarnings() const { return warnings_; }
    // Messages separated by line ends.
    const std::string& getErrors() const { return errors_; }
    // In order of creation; suggestions in order of addition.
    const std::vector<SuggestionEntry>& getSuggestions() const { return suggestions_; }

    // Whether some considered release of r's product names q's product among
    // the products it works best with. r and q of one product is an internal
    // error.
    bool isBestWith(const Release& r, const Release& q) const;
    // Warns when none of r's versions for q's product is q's version.
    void reportBest(const Release& r, const Release& q);

private:
    SuggestionEntry& entryFor(const Release& release);

    std::string warnings_;
    std::vector<SuggestionEntry> suggestions_;
    std::string errors_;
    const BuildManager& manager_;
    const Repository* repository_;
};

// "product best/selected".
std::ostream& operator<<(std::ostream& out, const ReleasesCompatibilityChecker::Suggestion& suggestion);
