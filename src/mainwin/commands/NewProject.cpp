#include "FormMain.h"

void FormMain::newProject() {}
