#include "web_ui/BackendReply.h"

#include "common/Messages.h"
#include "common/error.h"

error backendFailure(const std::string& text)
{
    return error(4, 2, 1, 2) << text;
}

void readReply(xmlbind::Document& document, const std::string& reply)
{
    document.Clear();
    try {
        document.parse(reply);
    } catch (const xmlbind::err&) {
        // Unreadable is reported as a reply without root, below.
        document.Clear();
    }
}

TiXmlElement* checkedReplyRoot(xmlbind::Document& document)
{
    TiXmlElement* root = document.RootElement();
    if (!root) throw backendFailure(Messages::get("web_err_pl_responce_no_root"));
    if (root->ValueStr() != "kitwright") throw backendFailure(Messages::get("web_err_pl_responce_wrong_root"));
    if (!root->Attribute("status")) throw backendFailure(Messages::get("web_err_pl_responce_no_status"));
    return root;
}

std::string replyErrorMessage(const TiXmlElement* root)
{
    const char* message = root->Attribute("error_message");
    return message ? message : "Unknown error occured in backend.";
}

bool checkBackendReply(const std::string& reply, std::string& errorText, std::string& status)
{
    xmlbind::Document document;
    readReply(document, reply);
    TiXmlElement* root = nullptr;
    try {
        root = checkedReplyRoot(document);
    } catch (const error& failure) {
        errorText = failure.text();
        while (!errorText.empty() && errorText.back() == '\n') errorText.pop_back();
        return false;
    }
    status = root->Attribute("status");
    if (status == "ok" || status == "warning" || status == "bad_values" || status == "bad_page") return true;
    errorText = replyErrorMessage(root);
    return false;
}
