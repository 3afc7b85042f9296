#include <string>
#include <vector>

#include "app/dravel03_app.h"
#include "platform/platform.h"

CDravel03App theApp(NativePlatform());

int main(int argc, char** argv) {
  return theApp.Run(std::vector<std::string>(argv + 1, argv + argc));
}
