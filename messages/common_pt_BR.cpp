// Common messages, pt_BR: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_pt_BR(Messages::messages_rep&) {}
