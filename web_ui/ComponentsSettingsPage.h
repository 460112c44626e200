#pragma once

class WebPage;

// "/cp.html": the component parameters.
void handleComponentsSettings(WebPage& page);
