// Web messages, de_DE: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_de_DE(Messages::messages_rep&) {}
