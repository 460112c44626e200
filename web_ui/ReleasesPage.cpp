#include "web_ui/ReleasesPage.h"

#include "common/error.h"

void handleReleases(WebPage&, ReleasesMode)
{
    throw error(3, 1, 1, 3) << "The releases pages are not built yet.";
}
