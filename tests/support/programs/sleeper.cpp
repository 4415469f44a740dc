// Waits for the seconds its argument gives (60 without one) and ends: tests that count
// running programs start copies of it under names of their own.
#include <chrono>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
  std::this_thread::sleep_for(std::chrono::seconds(argc > 1 ? std::atoi(argv[1]) : 60));
}
