// Common messages, nb_NO: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_nb_NO(Messages::messages_rep&) {}
