// Common messages, ko_KR: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_ko_KR(Messages::messages_rep&) {}
