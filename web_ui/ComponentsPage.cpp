#include "web_ui/ComponentsPage.h"

#include "common/error.h"

void handleComponentsPage(WebPage&, ComponentsMode)
{
    throw error(3, 1, 1, 3) << "The component selection pages are not built yet.";
}
