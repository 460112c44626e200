#include "common/packages/Dependency.h"

#include "common/packages/Package.h"

#include <cstring>
#include <mutex>
#include <ostream>
#include <set>
#include <string_view>

namespace {

std::mutex artificialMutex;

std::set<std::string, std::less<>>& artificialNames()
{
    static std::set<std::string, std::less<>> names;
    return names;
}

}  // namespace

Dependency::Dependency(const Package* owner) : owner_(owner ? owner : dummyMaster()) {}

Dependency::~Dependency() = default;

const Package* Dependency::dummyMaster()
{
    // Held by a plain pointer so that it outlives every dependency that points
    // to it, static ones included.
    static const Package* const master = [] {
        Package* package = new Package("dummy_masterpackage_for_dependency", std::string("1.2.3"));
        package->setType(static_cast<char>(Package::typeDummy));
        return package;
    }();
    return master;
}

bool Dependency::intersects(const DependencyPtr& other) const
{
    return intersects(other.get());
}

bool Dependency::sameName(const DependencyPtr& other) const
{
    return sameName(other.get());
}

void Dependency::addMatchedProvide(const DependencyPtr& provide)
{
    if (!matched_) matched_ = std::make_unique<std::vector<std::weak_ptr<Dependency>>>();
    matched_->emplace_back(provide);
}

DependencyPtr Dependency::getMatchedProvide(unsigned index) const
{
    return index < matchedProvideCount() ? (*matched_)[index].lock() : DependencyPtr();
}

void Dependency::clearMatchedProvides()
{
    matched_.reset();
}

void Dependency::removeMatchedProvide(unsigned index)
{
    if (index < matchedProvideCount()) matched_->erase(matched_->begin() + index);
}

bool Dependency::isSatisfiedBy(const Package* package) const
{
    if (!package) return false;
    for (const DependencyPtr& provide : package->getProvides())
        if (intersects(provide.get())) return true;
    return intersects(package->selfProvide().get());
}

bool Dependency::isArtificial(const char* name)
{
    if (!name) return false;
    if (std::strncmp(name, "rpmlib(", 7) == 0) return true;
    const std::lock_guard<std::mutex> lock(artificialMutex);
    const auto& names = artificialNames();
    return !names.empty() && names.count(std::string_view(name)) != 0;
}

void Dependency::addArtificialName(const std::string& name)
{
    const std::lock_guard<std::mutex> lock(artificialMutex);
    artificialNames().insert(name);
}

std::ostream& operator<<(std::ostream& out, const Dependency& dependency)
{
    dependency.print(out);
    return out;
}
