// Web messages, el_GR: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_el_GR(Messages::messages_rep&) {}
