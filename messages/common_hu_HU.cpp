// Common messages, hu_HU: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_hu_HU(Messages::messages_rep&) {}
