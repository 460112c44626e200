// Installer messages, zh_TW: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_zh_TW(Messages::messages_rep&) {}
