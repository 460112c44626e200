// Common messages, nl_NL: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_nl_NL(Messages::messages_rep&) {}
