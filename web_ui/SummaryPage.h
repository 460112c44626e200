#pragma once

class WebPage;

// "/summary.html": the products of the update source with their installed
// and offered versions, and the three tools that lead into the wizard.
void handleSummary(WebPage& page);
