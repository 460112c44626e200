// Common messages, ru_RU: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_ru_RU(Messages::messages_rep&) {}
