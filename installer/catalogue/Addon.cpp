#include "installer/catalogue/Addon.h"

#include "installer/catalogue/Release.h"

#include "common/Log.h"
#include "common/error.h"

Addon::Addon(const std::string& id, const std::string& name, const std::string& version, bool lazy)
    : id_(id), name_(name), version_(version), lazy_(lazy)
{
}

void Addon::addCompatible(const std::string& productId, const std::string& from, const std::string& to)
{
    Log(3, true) << "DEBUG: Addon::addCompatible: prod_id=" << productId << ", from=" << from << ", to=" << to;
    // Both versions are made before the range is added, so a refused text leaves
    // the list as it was.
    ranges_.push_back(CompatibleRange{productId, Version(from), Version(to)});
}

bool Addon::applicableTo(const Release& release) const
{
    if (ranges_.empty()) throw KW_INTERNAL_ERROR();

    const Version& version = release.getVersion();
    for (const CompatibleRange& range : ranges_) {
        if (range.productId != release.product()->id) continue;
        Log(3, true) << "Addon::applicableTo: release " << version << ", addon applicable from " << range.from
                     << " to " << range.to;
        if (version < range.from) {
            Log(3, true) << "DEBUG: Addon::applicableTo: version too low for " << *this;
            continue;
        }
        if (version > range.to) {
            Log(3, true) << "DEBUG: Addon::applicableTo: version too high for " << *this;
            continue;
        }
        Log(3, true) << "DEBUG: Addon::applicableTo: merge addon " << *this << " because it fit for release "
                     << release;
        return true;
    }
    return false;
}

std::ostream& operator<<(std::ostream& out, const Addon& addon) { return out << addon.id(); }
