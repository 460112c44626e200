#include "installer/sources/SourceZarniApt.h"

#include "installer/engine/AptGpgKeyManager.h"
#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/error.h"

SourceZarniApt::SourceZarniApt(Repository* repository, const FileFetcher& fetcher, const BuildPtr& build, char kind,
                               const std::string& aptSource, bool persistent)
    : SourceZarni(repository, fetcher, build, kind), aptSource_(aptSource)
{
    if (aptSource_.empty()) throw KW_INTERNAL_ERROR() << "an APT source of " << build->config() << " has no text";
    checkLineText(aptSource_, "the APT source", build->config());
    checkLineText(build->directory(), "the catalogue directory", build->config());
    setPersistent(persistent);
}

std::string SourceZarniApt::getSourceLine() const
{
    std::string line = Options::getInstance().skipGpgCheck
                           ? std::string("deb [trusted=yes] ")
                           : std::string("deb [signed-by=") + AptGpgKeyManager::keyringPath + "] ";
    const SourceUrl& location = Options::getInstance().source;
    if (location.isLocal()) line += "file://";

    std::string base = location.getDirectory();
    Log(3, true) << "DEBUG: getSourceLine: src 1 = " << SourceUrl::forDisplay(base);
    if (!location.getFileName().empty()) {
        // The location names a catalogue file inside the repository tree: the tree
        // begins where the source text's own path (after its first "/") begins. A
        // text without "/" is taken from its start.
        const std::string::size_type slash = aptSource_.find('/');
        const std::string afterSlash = slash == std::string::npos ? aptSource_ : aptSource_.substr(slash + 1);
        const std::string stopBefore = afterSlash.substr(0, afterSlash.find(' '));
        Log(3, true) << "DEBUG: getSourceLine: variable stop_before=" << stopBefore;
        const std::string::size_type cut = base.find(stopBefore);
        if (cut != std::string::npos) base.erase(cut);
    }
    return line + base + getBuild()->directory() + "/" + aptSource_;
}
