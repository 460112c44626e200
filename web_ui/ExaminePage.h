#pragma once

#include <string>

class WebPage;

// "/examine.html": the problems the examination before the installation
// found, and the operator's confirmation to go on regardless.
void handleExamine(WebPage& page);

// The POST builder: "set_pre_examine" with the confirmation, given only when
// the form's "strong_yes" is exactly "true"; returns the back end's reply.
std::string buildExamineRequest(WebPage& page);
