// The program's one application object (linked into the program only, never into tests).
#include "MirelSetupApp.h"

CMirelSetupApp theApp;
