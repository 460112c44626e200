// Common messages, zh_CN: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_zh_CN(Messages::messages_rep&) {}
