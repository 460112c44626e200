// Common messages, pl_PL: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_pl_PL(Messages::messages_rep&) {}
