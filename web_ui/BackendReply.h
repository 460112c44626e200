#pragma once

#include "common/xmlbind.h"

#include <string>

class error;

// The frame checks of the back end's replies (root "kitwright" with a
// "status"). Their failures are errors of class 4 (system), retry 2 (later),
// state 1, support 2, with the web texts of the three checks.

// The failure of an exchange, with the given text.
error backendFailure(const std::string& text);

// Reads the reply text into the document; a text that does not parse leaves
// it without root (the frame check then says so).
void readReply(xmlbind::Document& document, const std::string& reply);

// The root of a well-framed reply; raises backendFailure with
// "web_err_pl_responce_no_root", "..._wrong_root" or "..._no_status".
TiXmlElement* checkedReplyRoot(xmlbind::Document& document);

// The check of a POST's reply: true for the statuses "ok", "warning",
// "bad_values" and "bad_page" (`status` is set); otherwise false with the
// frame check's text, or the reply's "error_message" ("Unknown error occured
// in backend." without one) in `errorText`.
bool checkBackendReply(const std::string& reply, std::string& errorText, std::string& status);

// The text of an "error" reply's root.
std::string replyErrorMessage(const TiXmlElement* root);
