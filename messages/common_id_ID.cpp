// Common messages, id_ID: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_id_ID(Messages::messages_rep&) {}
