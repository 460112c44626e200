// Installer messages, ar: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_ar(Messages::messages_rep&) {}
