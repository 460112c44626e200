#include "installer/drivers/createSystemReaderSource.h"

#include "common/Log.h"
#include "common/packages/Repository.h"
#include "common/packages/SourceSysDeb.h"
#include "common/packages/SourceSysRPM.h"

#include <memory>

namespace {

// The reader of the driver that made the repository; one driver at a time
// uses it.
std::unique_ptr<Source>& systemReader()
{
    static std::unique_ptr<Source> reader;
    return reader;
}

}  // namespace

void createSystemReaderSource(Repository& repository, bool warnIfExists, const Opsys& system)
{
    std::unique_ptr<Source>& reader = systemReader();
    if (warnIfExists && reader) {
        Log(0, true) << "Warning: system reader Source is already allocated";
        // A reader of another repository (or of one that is gone) would leave
        // this one without the installed packages.
        if (reader->getRepository() == &repository) return;
    }
    reader.reset();
    const std::string& vendor = system.vendor();
    Log(3, true) << "DEBUG: system package reader for the vendor '" << vendor << "'";
    if (vendor == "Apple") return;
    if (vendor == "Debian" || vendor == "Ubuntu")
        reader = std::make_unique<SourceSysDeb>(&repository);
    else
        reader = std::make_unique<SourceSysRPM>(&repository);
}

Source* getSystemReaderSource() { return systemReader().get(); }
