// Dependency texts as a package source or a feed may write them: parsing
// never fails for a text that is not blank, the printed form (the one the
// package cache keeps) reads back as the same dependency, a dependency meets
// itself, and the relation tests give the same answer both ways round.
#include "tests/fuzz/FuzzTargets.h"

#include "common/StringUtils.h"
#include "common/packages/DebPackage.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/RPMPackage.h"

#include <memory>
#include <sstream>
#include <vector>

namespace {

std::string printed(const Dependency& dependency)
{
    std::ostringstream out;
    dependency.print(out);
    return out.str();
}

std::string versionText(const DependencyLogical& dependency)
{
    return dependency.getVersion() ? dependency.getVersion()->toString() : std::string("(none)");
}

void checkOwner(const std::vector<std::string>& texts, const Package* owner)
{
    std::vector<std::shared_ptr<DependencyLogical>> parsed;
    for (const std::string& text : texts) {
        // Blank texts are internal errors: no reader hands one over.
        if (trim(text).empty()) continue;
        const auto dependency = std::make_shared<DependencyLogical>(text.c_str(), owner);
        const std::string form = printed(*dependency);
        const DependencyLogical again(form.c_str(), owner);
        fuzz::require(std::string(again.getName()) == dependency->getName() &&
                          again.getRelation() == dependency->getRelation() &&
                          versionText(again) == versionText(*dependency),
                      "the printed form reads back", text + " | " + form);
        fuzz::require(dependency->intersects(dependency.get()), "a dependency meets itself", text);
        fuzz::require(dependency->equals(dependency), "a dependency equals itself", text);
        parsed.push_back(dependency);
    }
    for (const auto& a : parsed) {
        for (const auto& b : parsed) {
            fuzz::require(a->intersects(b.get()) == b->intersects(a.get()), "the relation test is symmetric",
                          printed(*a) + " | " + printed(*b));
            if (a->equals(b))
                fuzz::require(b->equals(a) && a->hash() == b->hash(), "equal dependencies hash alike",
                              printed(*a) + " | " + printed(*b));
        }
    }
}

}  // namespace

namespace fuzz {

int dependencies(const std::uint8_t* data, std::size_t size)
{
    static const RPMPackage rpmOwner("owner", "1.0");
    static const DebPackage debianOwner("owner", "1.0");
    std::string first, second;
    splitLine(text(data, size), first, second);
    // The constructor reads up to a NUL byte, as every caller hands it C strings.
    const std::vector<std::string> texts = {first.c_str(), second.c_str()};
    checkOwner(texts, &rpmOwner);
    checkOwner(texts, &debianOwner);
    checkOwner(texts, nullptr);
    return 0;
}

}  // namespace fuzz
