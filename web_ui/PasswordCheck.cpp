#include "web_ui/PasswordCheck.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/fileops.h"

#include <pwd.h>
#include <security/pam_appl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// PAM's conversation: answers the hidden prompts with the password.
int pamConversation(int count, const struct pam_message** messages, struct pam_response** responses, void* data)
{
    const char* password = static_cast<const char*>(data);
    if (count <= 0) return PAM_CONV_ERR;
    auto* answers = static_cast<pam_response*>(std::calloc(static_cast<std::size_t>(count), sizeof(pam_response)));
    if (!answers) {
        Log(0, true) << "ERROR: PAM memory allocation error";
        return PAM_CONV_ERR;
    }
    for (int i = 0; i < count; ++i) {
        const pam_message& message = *messages[i];
        switch (message.msg_style) {
        case PAM_PROMPT_ECHO_OFF:
            answers[i].resp = password ? strdup(password) : nullptr;
            break;
        case PAM_PROMPT_ECHO_ON:
        case PAM_BINARY_PROMPT:
            break;
        case PAM_ERROR_MSG:
            Log(0, true) << "ERROR: PAM Error: " << (message.msg ? message.msg : "");
            break;
        case PAM_TEXT_INFO:
            Log(0, true) << "Notice: PAM Message: " << (message.msg ? message.msg : "");
            break;
        default:
            for (int j = 0; j < i; ++j) {
                if (answers[j].resp) {
                    std::memset(answers[j].resp, 0, std::strlen(answers[j].resp));
                    std::free(answers[j].resp);
                }
            }
            std::free(answers);
            return PAM_CONV_ERR;
        }
    }
    *responses = answers;
    return PAM_SUCCESS;
}

void endPamTransaction(pam_handle_t* handle, int status)
{
    const int ended = pam_end(handle, status);
    if (ended == PAM_SUCCESS) return;
    if (ended == PAM_SYSTEM_ERR) {
        Log(0, true) << "ERROR: pam_end() return error";
        return;
    }
    throw KW_INTERNAL_ERROR();
}

}  // namespace

std::string getProcessUserName()
{
    const uid_t uid = getuid();
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        throw error(4, 1, 1, 3) << "Can't get user info for pid=" << uid;
    return found->pw_name;
}

bool isProcessUser(const std::string& name)
{
    return name == getProcessUserName();
}

std::string pamServiceName(const std::string& pamDirectory)
{
    if (fileops::exists(pamDirectory + "/system-auth")) return "system-auth";
    if (fileops::exists(pamDirectory + "/common-auth")) return "common-auth";
    return "other";
}

std::string pamAccountServiceName(const std::string& pamDirectory)
{
    if (fileops::exists(pamDirectory + "/system-auth")) return "system-auth";
    if (fileops::exists(pamDirectory + "/common-account")) return "common-account";
    return "other";
}

namespace {

pam_handle_t* startPam(const std::string& service, const std::string& user, const pam_conv& conversation)
{
    pam_handle_t* handle = nullptr;
    const int started = pam_start(service.c_str(), user.c_str(), &conversation, &handle);
    if (started != PAM_SUCCESS)
        throw error(4, 1, 1, 3) << "unable to start PAM facility " << service << ": " << started << " - "
                                << pam_strerror(handle, started);
    return handle;
}

}  // namespace

bool checkPassword(const std::string& user, const std::string& password)
{
    const std::string service = pamServiceName();
    const pam_conv conversation{pamConversation, const_cast<char*>(password.c_str())};
    pam_handle_t* handle = startPam(service, user, conversation);
    const int authenticated = pam_authenticate(handle, 0);
    if (authenticated != PAM_SUCCESS) {
        const std::string reason = pam_strerror(handle, authenticated);
        Log(2, true) << "DEBUG: pam_authenticate failed. facility=" << service << ": " << authenticated << " - "
                     << reason;
    }
    endPamTransaction(handle, authenticated);
    if (authenticated != PAM_SUCCESS) return false;

    // An expired or locked account passes authentication alone. Debian's
    // "common-auth" holds no account stack: the account check has a service
    // of its own there.
    const std::string accountService = pamAccountServiceName();
    handle = startPam(accountService, user, conversation);
    const int permitted = pam_acct_mgmt(handle, 0);
    if (permitted != PAM_SUCCESS) {
        const std::string reason = pam_strerror(handle, permitted);
        Log(2, true) << "DEBUG: pam_acct_mgmt failed. facility=" << accountService << ": " << permitted << " - "
                     << reason;
    }
    endPamTransaction(handle, permitted);
    return permitted == PAM_SUCCESS;
}
