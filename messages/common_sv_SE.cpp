// Common messages, sv_SE: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_sv_SE(Messages::messages_rep&) {}
