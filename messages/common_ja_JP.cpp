// Common messages, ja_JP: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_ja_JP(Messages::messages_rep&) {}
