#include "web_ui/WebPage.h"

#include "common/BuildInfo.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "web_ui/AccessCheck.h"
#include "web_ui/BackendClient.h"
#include "web_ui/BackendReply.h"
#include "web_ui/CurrentPage.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/WebSessions.h"
#include "webserver/kwhttpd.h"

#include <cstring>
#include <vector>

namespace {

std::optional<std::string> variableOf(const char* data, std::size_t length, const char* name, std::size_t maxLength)
{
    if (data == nullptr) return std::nullopt;
    std::vector<char> value(maxLength + 1);
    const int got = kwhttpd_get_var(name, data, length, value.data(), value.size());
    if (got < 0) return std::nullopt;
    return std::string(value.data(), static_cast<std::size_t>(got));
}

}  // namespace

WebPage::WebPage(kwhttpd_arg* arg, WebSessions& sessions, BackendClient& backend)
    : arg_(arg), sessions_(sessions), backend_(backend)
{
}

bool WebPage::admit()
{
    return checkAccess(*this);
}

WebUiSession& WebPage::session() const
{
    WebUiSession* session = sessions_.current();
    if (!session) throw KW_INTERNAL_ERROR();
    return *session;
}

const std::string& WebPage::csrfToken() const
{
    return session().csrfToken;
}

bool WebPage::isPost() const
{
    const char* method = kwhttpd_get_env(arg_, "REQUEST_METHOD");
    return method && std::strcmp(method, "POST") == 0;
}

std::string WebPage::clientAddress() const
{
    const char* address = kwhttpd_get_env(arg_, "REMOTE_ADDR");
    return address ? address : "an unknown address";
}

std::optional<std::string> WebPage::queryVariable(const char* name, std::size_t maxLength) const
{
    const char* query = kwhttpd_get_env(arg_, "QUERY_STRING");
    return query ? variableOf(query, std::strlen(query), name, maxLength) : std::nullopt;
}

std::optional<std::string> WebPage::formVariable(const char* name, std::size_t maxLength) const
{
    if (!isPost() || arg_->in.len <= 0) return std::nullopt;
    return variableOf(arg_->in.buf, static_cast<std::size_t>(arg_->in.len), name, maxLength);
}

std::string WebPage::askBackend(const std::string& request)
{
    return backend_.ask(request);
}

bool WebPage::answered() const
{
    return (arg_->flags & KWHTTPD_OUTPUT_DONE) != 0 || status_ == "redirect" || status_ == "bad_page";
}

void WebPage::redirectToCurrentPage()
{
    sendSeeOther(arg_, getCurrentPageUrl(backend_));
}

xmlbind::Element WebPage::queryOrThrow(const std::string& getRequest, const PostBuilder& postBuilder)
{
    if (postBuilder && isPost()) {
        const std::string reply = postBuilder(*this);
        std::string errorText;
        if (!checkBackendReply(reply, errorText, status_)) throw backendFailure(errorText);
        if (status_ == "ok") {
            redirectToCurrentPage();
            status_ = "redirect";
            return nullptr;
        }
        if (status_ == "bad_values") warnings_.push_back({PageWarning::frontEnd, Messages::get("web_bad_fields_values")});
        readReply(reply_, reply);
    } else {
        readReply(reply_, askBackend(getRequest));
    }
    TiXmlElement* root = checkedReplyRoot(reply_);
    status_ = root->Attribute("status");
    for (xmlbind::Element warning : xmlbind::ChildElements(root, "warning"))
        warnings_.push_back({PageWarning::backEnd, xmlbind::getText(warning, false)});
    if (status_ == "ok" || status_ == "warning" || status_ == "bad_values") return root->FirstChildElement();
    if (status_ == "error") throw backendFailure(replyErrorMessage(root));
    if (status_ == "bad_page") redirectToCurrentPage();
    return nullptr;
}

xmlbind::Element WebPage::query(const std::string& getRequest, const PostBuilder& postBuilder)
{
    try {
        return queryOrThrow(getRequest, postBuilder);
    } catch (const error& failure) {
        errorText_ = failure.text();
        while (!errorText_.empty() && errorText_.back() == '\n') errorText_.pop_back();
        Log(3, true) << "DEBUG: the exchange with the back end failed: " << errorText_;
        return nullptr;
    }
}

void WebPage::render(PageTemplate page)
{
    variables_["kw_version"] = kwVersion();
    if (sessions_.current()) variables_["csrf_token"] = csrfToken();
    fillMessageBoxes(variables_, warnings_, errorText_);
    sendHtmlHeader(arg_);
    const std::string_view text = pageTemplate(page);
    send_html_chunk(arg_, text.data(), text.size(), variables_);
    arg_->flags |= KWHTTPD_OUTPUT_DONE;
}
