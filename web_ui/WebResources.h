#pragma once

#include <cstddef>
#include <string_view>

// The files of resources/web that the program carries, embedded at build time:
// the static files the front end serves and the page templates it renders.

// One static file: its URI and its bytes.
struct StaticFile {
    const char* uri;
    std::string_view bytes;
};

// The static files in registration order: the GIF and PNG pictures, the style
// sheet, "/js/gui.js", "/js/prototype.js" and the component tree script
// "/js/components.js".
extern const StaticFile kStaticFiles[];
extern const std::size_t kStaticFileCount;

// The page templates (markup of TemplateRenderer.h).
enum class PageTemplate {
    summary,
    preferences,
    login,
    loginFailed,  // the login page after a refused login
    releases,
    components,
    progress,
    parameters,
    examination,
};
constexpr PageTemplate kPageTemplates[] = {
    PageTemplate::summary,  PageTemplate::preferences, PageTemplate::login,
    PageTemplate::loginFailed, PageTemplate::releases, PageTemplate::components,
    PageTemplate::progress, PageTemplate::parameters,  PageTemplate::examination,
};

std::string_view pageTemplate(PageTemplate page);
// The template's file name below resources/web/templates, such as "login.html".
const char* pageTemplateFile(PageTemplate page);
