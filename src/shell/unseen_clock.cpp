#include "shell/unseen_clock.h"

UnseenClock::UnseenClock(Uint32 from) : now(from), replaced(installClock(this)) {}

UnseenClock::~UnseenClock() { installClock(replaced); }
