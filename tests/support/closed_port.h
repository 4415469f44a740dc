// A loopback port that nobody listens on, for peers that are down.
#pragma once

namespace testsupport {

// A port just bound and released again; a connection to it is refused.
int ClosedLoopbackPort();

}  // namespace testsupport
