// The program's one application object (linked into the program only, never into tests).
#include "app/MirelSetupApp.h"

CMirelSetupApp theApp;
