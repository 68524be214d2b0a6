// The program's own entry and application, compiled into the soak benchmark under another name, so that
// the soak runs them on its main thread as orvane.exe does while its driver works the windows beside
// them (bench/soak.cpp).
#define WinMain OrvaneWinMain
#include "app/application_win.cpp"
