#pragma once

class WebPage;

// "/preferences.html": the update source, proxy and language settings.
void handlePreferences(WebPage& page);
