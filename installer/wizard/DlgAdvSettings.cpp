#include "installer/wizard/DlgAdvSettings.h"

#include "installer/options/Options.h"
#include "installer/sources/SourceUrl.h"

DlgAdvSettings::Settings DlgAdvSettings::Settings::fromOptions(const Options& options)
{
    Settings settings;
    settings.source = options.source.str();
    settings.target = options.target;
    settings.proxyHost = options.proxyHost;
    settings.proxyPort = options.proxyPort;
    settings.proxyUser = options.proxyUser;
    settings.downloadRetries = options.downloadRetries;
    return settings;
}

std::ostream& operator<<(std::ostream& out, const DlgAdvSettings::Settings& settings)
{
    return out << SourceUrl::forDisplay(settings.source) << " -> " << settings.target << ", proxy " << settings.proxyHost << ":"
               << settings.proxyPort << ", retries " << settings.downloadRetries;
}
