// Web messages, ro_RO: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_ro_RO(Messages::messages_rep&) {}
