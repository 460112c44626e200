// Web messages, cs_CZ: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_cs_CZ(Messages::messages_rep&) {}
