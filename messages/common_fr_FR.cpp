// Common messages, fr_FR: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_fr_FR(Messages::messages_rep&) {}
