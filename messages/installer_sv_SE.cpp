// Installer messages, sv_SE: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_sv_SE(Messages::messages_rep&) {}
