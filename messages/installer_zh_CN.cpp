// Installer messages, zh_CN: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_zh_CN(Messages::messages_rep&) {}
