#include "web_ui/ExaminePage.h"

#include "common/error.h"

void handleExamine(WebPage&)
{
    throw error(3, 1, 1, 3) << "The pre-examination page is not built yet.";
}
