// Web messages, ar: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_ar(Messages::messages_rep&) {}
