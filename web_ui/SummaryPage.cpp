#include "web_ui/SummaryPage.h"

#include "common/error.h"

void handleSummary(WebPage&)
{
    throw error(3, 1, 1, 3) << "The summary page is not built yet.";
}
