// Web messages, it_IT: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_it_IT(Messages::messages_rep&) {}
