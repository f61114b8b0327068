#include "UpstreamLog.h"

Q_LOGGING_CATEGORY(lcUpstream, "ratepad.rateserver.upstream")
