#pragma once

class WebPage;

enum class ReleasesMode {
    products = 0,           // "/iup.html": products and releases
    installationTypes = 1,  // "/installation_types.html"
};

// The product and release selection pages.
void handleReleases(WebPage& page, ReleasesMode mode);
