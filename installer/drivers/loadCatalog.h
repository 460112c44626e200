#pragma once

#include <memory>
#include <string>

class BuildManager;
class FileFetcher;
class Repository;
class SourceUrl;

// The catalogue loading of the interactive driver and the web back end:
//   1. with an empty repository holder: a new Repository with its system
//      package reader (createSystemReaderSource, no warning), and the brief
//      package information of all its sources read;
//   2. a new FileFetcher for the source's directory and `targetDirectory`,
//      replacing the holder's previous one;
//   3. a new BuildManager for the source's file name, replacing the previous
//      one (SelfUpgrade::NeedSelfUpgrade, a product asking for a newer
//      installer, goes to the caller, and the build manager holder keeps what
//      it held);
//   4. the releases' state checked against the repository, the cautions
//      collected for the options' tiers, the releases that are not actual, of
//      conflicting products or of products hidden for a clean installation
//      dropped, and the rest cropped by the options' tiers and kept releases.
void loadCatalog(const SourceUrl& source, const std::string& targetDirectory,
                 std::unique_ptr<Repository>& repository, std::unique_ptr<FileFetcher>& fetcher,
                 std::unique_ptr<BuildManager>& builds);
