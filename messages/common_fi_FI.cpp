// Common messages, fi_FI: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_fi_FI(Messages::messages_rep&) {}
