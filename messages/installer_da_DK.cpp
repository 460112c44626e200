// Installer messages, da_DK: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_da_DK(Messages::messages_rep&) {}
