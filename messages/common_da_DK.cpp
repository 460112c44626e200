// Common messages, da_DK: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_da_DK(Messages::messages_rep&) {}
