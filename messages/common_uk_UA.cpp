// Common messages, uk_UA: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_uk_UA(Messages::messages_rep&) {}
