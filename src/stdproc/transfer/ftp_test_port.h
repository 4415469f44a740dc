// For tests only: points the FTP routines at a server on another port than 21. The
// routines themselves never change it; 0 restores 21.
#pragma once

#include <cstdint>

namespace stdproc::transfer {

void SetFtpPortForTests(int32_t port);

}  // namespace stdproc::transfer
