#pragma once

#include "installer/params/ParamManager.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Collects the values a run saves to the options file: defined settings with the
// regular behaviour (not static texts or hidden values), keyed by the product of
// their first owner, in the order of the walk. Secure and detectable settings
// and passwords are never saved; the ids of those met are kept, so that a value
// an older run saved for them is dropped too.
class ParamManager::ParamFileSaver : public ParamManager::Visitor {
public:
    // product id -> setting id -> value, as the option readers give them.
    typedef std::map<std::string, std::map<std::string, std::string>> Settings;
    // product id -> (setting id, value) in the order they are written.
    typedef std::map<std::string, std::vector<std::pair<std::string, std::string>>> Sections;

    void visit(const ParamPtr& param) override;

    // The file's settings with this run's values over them: settings this run
    // did not touch stay, a changed one keeps its place, new ones follow in the
    // order of the walk, and withheld ones go.
    Sections merged(const Settings& existing) const;
    // The text of options.ini: per product "[id]", "id=<quoted value>" lines
    // (escapeQuoted), then two empty lines.
    static std::string format(const Sections& sections);

private:
    Sections sections_;
    std::map<std::string, std::set<std::string>> withheld_;
};
