// Installer messages, he_IL: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_he_IL(Messages::messages_rep&) {}
