// Web messages, zh_CN: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_zh_CN(Messages::messages_rep&) {}
