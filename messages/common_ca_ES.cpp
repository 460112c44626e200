// Common messages, ca_ES: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_ca_ES(Messages::messages_rep&) {}
