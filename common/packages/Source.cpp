#include "common/packages/Source.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"

#include <atomic>
#include <ostream>
#include <sstream>
#include <utility>

namespace {

std::uint64_t nextSourceNumber()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

Source::Source(Repository* repository) : repository_(repository), sequence_(nextSourceNumber())
{
    if (!repository_) throw KW_INTERNAL_ERROR();
    repository_->registerSource(this);
}

Source::~Source()
{
    Repository* repository = repository_;
    if (!repository) return;
    repository->unregisterSource(this);
    try {
        dropPackages();
    } catch (...) {
        // A destructor must not raise; purging only moves pointers between lists,
        // so this is an allocation failure at most.
        Log(1, true) << "Warning: the packages of " << name() << " could not be dropped";
    }
    // The records outlive the source: none may point to it afterwards.
    for (Package* package : repository->getPackages())
        if (package->getSource() == this) package->setSource(nullptr);
    for (Package* package : repository->getPurgedPackages())
        if (package->getSource() == this) package->setSource(nullptr);
}

void Source::downloadPackage(const Package*) {}

bool Source::needsDownload() const
{
    return false;
}

std::ostream& Source::printName(std::ostream& out) const
{
    // The number, not the address: log lines of two runs compare.
    return out << "Package_source_" << sequence_;
}

std::string Source::name() const
{
    std::ostringstream out;
    printName(out);
    return out.str();
}

void Source::readBrief()
{
    if (briefDone_) return;
    loadBrief();
    briefDone_ = true;
}

void Source::readFull()
{
    if (!briefDone_) readBrief();
    if (fullDone_) return;
    loadFull();
    fullDone_ = true;
}

void Source::dropPackages()
{
    if (!repository_) return;
    for (Package* package : repository_->getPackages())
        if (package->getSource() == this) package->setType(static_cast<char>(Package::typePurge));
    repository_->purgeMarkedPackages();
}

void Source::reload()
{
    dropPackages();
    briefDone_ = false;
    fullDone_ = false;
    loadBrief();
    briefDone_ = true;
}

Repository& Source::repository() const
{
    if (!repository_) throw KW_INTERNAL_ERROR();
    return *repository_;
}

bool Source::addPackage(Package* package)
{
    if (!repository_) throw KW_INTERNAL_ERROR();
    return repository_->addPackage(package, this);
}

Package* Source::addPackage(std::unique_ptr<Package> package)
{
    if (!repository_) throw KW_INTERNAL_ERROR();
    return repository_->addPackage(std::move(package), this);
}

std::ostream& operator<<(std::ostream& out, const Source& source)
{
    return source.printName(out);
}
