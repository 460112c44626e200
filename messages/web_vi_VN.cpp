// Web messages, vi_VN: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_vi_VN(Messages::messages_rep&) {}
