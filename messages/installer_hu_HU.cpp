// Installer messages, hu_HU: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_hu_HU(Messages::messages_rep&) {}
