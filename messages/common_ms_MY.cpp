// Common messages, ms_MY: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_ms_MY(Messages::messages_rep&) {}
