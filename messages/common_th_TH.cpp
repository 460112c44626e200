// Common messages, th_TH: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadCommonMessages_th_TH(Messages::messages_rep&) {}
