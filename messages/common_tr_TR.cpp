// Common messages, tr_TR: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_tr_TR(Messages::messages_rep&) {}
