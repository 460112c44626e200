// Web messages, pl_PL: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_pl_PL(Messages::messages_rep&) {}
