// Installer messages, es_ES: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_es_ES(Messages::messages_rep&) {}
