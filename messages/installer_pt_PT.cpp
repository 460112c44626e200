// Installer messages, pt_PT: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_pt_PT(Messages::messages_rep&) {}
