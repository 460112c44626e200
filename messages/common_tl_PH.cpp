// Common messages, tl_PH: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_tl_PH(Messages::messages_rep&) {}
