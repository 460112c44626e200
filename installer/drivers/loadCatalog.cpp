#include "installer/drivers/loadCatalog.h"

#include "common/error.h"

void loadCatalog(const SourceUrl&, const std::string&, std::unique_ptr<Repository>&, std::unique_ptr<FileFetcher>&,
                 std::unique_ptr<BuildManager>&)
{
    throw KW_INTERNAL_ERROR() << " (the catalogue loading is not built yet)";
}
