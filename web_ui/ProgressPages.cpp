#include "web_ui/ProgressPages.h"

#include "common/error.h"

void handleInstallProgress(WebPage&)
{
    throw error(3, 1, 1, 3) << "The progress page is not built yet.";
}

void handlePercentage(WebPage&)
{
    throw error(3, 1, 1, 3) << "The progress update is not built yet.";
}

void handleLog(WebPage&)
{
    throw error(3, 1, 1, 3) << "The log download is not built yet.";
}
