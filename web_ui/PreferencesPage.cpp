#include "web_ui/PreferencesPage.h"

#include "common/error.h"

void handlePreferences(WebPage&)
{
    throw error(3, 1, 1, 3) << "The preferences page is not built yet.";
}
