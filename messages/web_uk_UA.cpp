// Web messages, uk_UA: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_uk_UA(Messages::messages_rep&) {}
