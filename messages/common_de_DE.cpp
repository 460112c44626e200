// Common messages, de_DE: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_de_DE(Messages::messages_rep&) {}
