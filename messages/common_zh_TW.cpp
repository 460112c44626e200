// Common messages, zh_TW: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_zh_TW(Messages::messages_rep&) {}
