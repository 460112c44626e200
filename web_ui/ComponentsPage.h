#pragma once

class WebPage;

enum class ComponentsMode {
    select = 0,     // "/select_components.html"
    update = 1,     // "/update_components.html"
    addRemove = 2,  // "/add_components.html"
};

// The component selection pages.
void handleComponentsPage(WebPage& page, ComponentsMode mode);
