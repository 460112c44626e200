// Installer messages, ko_KR: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadInstallerMessages_ko_KR(Messages::messages_rep&) {}
