#include "installer/drivers/loadCatalog.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/drivers/createSystemReaderSource.h"
#include "installer/options/Options.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceUrl.h"

#include "common/packages/Repository.h"

void loadCatalog(const SourceUrl& source, const std::string& targetDirectory,
                 std::unique_ptr<Repository>& repository, std::unique_ptr<FileFetcher>& fetcher,
                 std::unique_ptr<BuildManager>& builds)
{
    if (!repository) {
        repository = std::make_unique<Repository>();
        createSystemReaderSource(*repository, false);
        repository->getBriefPackagesInfo();
    }
    fetcher = std::make_unique<FileFetcher>(SourceUrl(source.getDirectory()), targetDirectory);
    // A catalogue that cannot be read, or that asks for a newer installer,
    // leaves the holder as it was.
    builds = std::make_unique<BuildManager>(*fetcher, source.getFileName());

    const Options& options = Options::getInstance();
    builds->checkReleasesState(repository.get());
    builds->collectCautions(options.releaseTiers);
    builds->removeNotActualReleases();
    builds->removeHiddenForCleanInstall();
    builds->cropReleasesByTags(options.releaseTiers, options.releaseIds);
}
