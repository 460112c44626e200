// Web messages, ms_MY: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_ms_MY(Messages::messages_rep&) {}
