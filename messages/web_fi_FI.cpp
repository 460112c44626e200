// Web messages, fi_FI: not translated yet, so the English texts show.
#include "messages/MessageLoaders.h"

void loadWebMessages_fi_FI(Messages::messages_rep&) {}
