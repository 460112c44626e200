// Web messages, ca_ES: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_ca_ES(Messages::messages_rep&) {}
