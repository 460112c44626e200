// Installer messages, ms_MY: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_ms_MY(Messages::messages_rep&) {}
