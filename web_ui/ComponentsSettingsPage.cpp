#include "web_ui/ComponentsSettingsPage.h"

#include "common/error.h"

void handleComponentsSettings(WebPage&)
{
    throw error(3, 1, 1, 3) << "The component settings page is not built yet.";
}
