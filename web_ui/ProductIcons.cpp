#include "web_ui/ProductIcons.h"

#include "common/error.h"

void handleProductIcon(WebPage&, bool)
{
    throw error(3, 1, 1, 3) << "The product icons are not built yet.";
}
